// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/runtime/runtime.h"

namespace platform {

std::string menuKeyName(bool)
{
    return "\u2318";
}

bool isChordModifierKey(int code)
{
    // Mac virtual key codes: Command left and right, Shift left and right.
    return code == 55 || code == 54 || code == 56 || code == 60;
}

} // namespace platform
