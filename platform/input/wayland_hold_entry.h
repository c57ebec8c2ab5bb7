// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWindow;

namespace platform {

// What the Wayland module offers, found by name once the module is loaded.
struct WaylandHoldEntry {
    bool (*holdKeys)(QWindow* window, bool hold);
    void (*keepAwake)(QWindow* window);
    void (*whenKeysCannotBeHeld)(void (*tell)());
};

// The one function the module exports: it returns the entry.
constexpr char kWaylandHoldEntry[] = "tumbletot_wayland_hold";

} // namespace platform
