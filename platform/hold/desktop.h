// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <functional>
#include <memory>

class QWindow;

namespace platform {

// How the desktop's own shortcuts stand with the toy.
enum class DesktopKeys {
    Held,    // they reach the toy as ordinary keys
    Refused, // the desktop was told not to pass them on (GNOME: "Deny")
    Kept,    // the desktop has no way to pass them on
};

// What differs between desktops in keeping the child in, chosen once per run (X11, whatever its
// window manager, stacking or tiling; Wayland; any other): how every key and click is held for
// the toy, how a window is put in front, and how the screen stays on.
class Desktop {
  public:
    virtual ~Desktop() = default;
    // Holds every key and click for the window in front and the stages, after letting go of
    // the other windows; false while the desktop will not have it yet (an X server refuses just
    // after the window manager's own grab; a Wayland window has no surface yet).
    virtual bool hold(QWindow* front, const QList<QWindow*>& stages,
                      const QList<QWindow*>& others) = 0;
    // Gives back whatever is held for these windows.
    virtual void letGo(const QList<QWindow*>& windows) = 0;
    // Puts a window in front with the focus, as a pager would: a window manager may refuse a
    // program that asks for itself after another program took the focus.
    virtual void takeFocus(QWindow* window) = 0;
    // A dialog only gets the keyboard once the stages under it step back from full screen.
    virtual bool dialogsNeedRoom() const = 0;
    // Every screen gets a stage of its own; a kiosk compositor gives every window all of them.
    virtual bool stagePerScreen() const = 0;
    // Keeps the screen on while this stage is up.
    virtual void keepAwake(QWindow* stage) = 0;
    // Starts the display's own idle time again; called every little while.
    virtual void resetIdle() = 0;
    virtual DesktopKeys keys() const = 0;
    // Told each time keys() changes.
    virtual void whenKeysChange(std::function<void()> changed) = 0;
};

// The strategy for the desktop this run is on; chosen by the build per operating system.
std::unique_ptr<Desktop> makeDesktop();

} // namespace platform
