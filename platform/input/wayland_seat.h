// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/input/wayland_seat_entry.h"

class QWindow;

namespace platform {

// The Wayland seat as the toy needs it, from a module (tumbletot-wayland) that only a Wayland
// session loads: which keys are down, as the compositor says at every change of focus and key;
// the compositor asked to pass a window its shortcuts (keyboard-shortcuts-inhibit) and to keep
// the screen on while a window is up (idle-inhibit). The compositor answers asynchronously.
class WaylandSeat {
  public:
    // A Wayland session with the module loaded.
    static bool available();
    static bool keyDown(int code);
    // Asks for a window's shortcuts, or gives them back; true once every request wanted is made
    // (a window may have no surface yet, the compositor may not have announced the protocol).
    static bool wantShortcuts(QWindow* window, bool wanted);
    // Asks again with a fresh request, after the compositor took them back.
    static void renewShortcuts(QWindow* window);
    static void keepAwake(QWindow* window);
    // Asks the compositor to give a window the keyboard, on behalf of the surface that has it.
    static void takeFocus(QWindow* window);
    // One listener hears every answer about shortcuts.
    static void listen(void (*heard)(QWindow* window, Shortcuts what));
};

} // namespace platform
