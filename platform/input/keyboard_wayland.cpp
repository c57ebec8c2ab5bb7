// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/input/keyboard_wayland.h"

#include "platform/input/wayland_seat.h"

namespace platform {

bool KeyboardWayland::keyDown(int code)
{
    return WaylandSeat::keyDown(code);
}

bool KeyboardWayland::controlKey()
{
    return keyDown(kLeftControlCode) || keyDown(kRightControlCode);
}

} // namespace platform
