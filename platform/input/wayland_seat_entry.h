// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWindow;

namespace platform {

// What the compositor did with a window's request for its shortcuts.
enum class Shortcuts {
    Held,      // it passes them to the window
    TakenBack, // it took them back while the window has the keyboard (GNOME's Super+Escape)
    Paused,    // the window lost the keyboard; they come back with it
    NeverHeld, // it offers no way to hold them (window is nullptr)
};

// What the module offers, found by name once the module is loaded.
struct WaylandSeatEntry {
    bool (*keyDown)(int code);
    bool (*wantShortcuts)(QWindow* window, bool wanted);
    void (*renewShortcuts)(QWindow* window);
    void (*keepAwake)(QWindow* window);
    bool (*takeFocus)(QWindow* window); // false: Qt is to ask
    void (*listen)(void (*heard)(QWindow* window, Shortcuts what));
};

// The one function the module exports: it returns the entry.
constexpr char kWaylandSeatEntry[] = "tumbletot_wayland_seat";

} // namespace platform
