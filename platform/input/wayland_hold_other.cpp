// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/input/wayland_hold.h"

namespace platform {

bool WaylandHold::inUse()
{
    return false;
}

bool WaylandHold::holdKeys(QWindow*, bool)
{
    return true;
}

void WaylandHold::keepAwake(QWindow*) {}

void WaylandHold::whenKeysCannotBeHeld(void (*)()) {}

} // namespace platform
