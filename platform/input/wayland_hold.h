// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWindow;

namespace platform {

// On a Wayland desktop: asks the compositor to hand every key to a stage, its own shortcuts
// included (keyboard-shortcuts-inhibit), and to keep the screen awake while the stage is up
// (idle-inhibit). The compositor binds these asynchronously; wishes made before are kept.
class WaylandHold {
  public:
    static bool inUse();
    // True once the compositor has done as asked (at once where Wayland is not in use).
    static bool holdKeys(QWindow* window, bool hold);
    static void keepAwake(QWindow* window);
    // Called once it is known that this compositor keeps its shortcuts (may be at once).
    static void whenKeysCannotBeHeld(void (*tell)());
};

} // namespace platform
