// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWindow;

namespace platform {

// Holds every click and wheel turn for the toy's native window, so the desktop's mouse bindings
// (switching desktops with Alt and the wheel) never act; false while the system refuses, as an
// X server does for a moment after the window manager's own grab. Per system.
bool holdPointer(QWindow* window);
void releasePointer();
// Puts the window in front with the focus, as a pager would: a window manager may refuse a
// program that asks for itself (after another program, a browser, took the focus).
void takeFocus(QWindow* window);

} // namespace platform
