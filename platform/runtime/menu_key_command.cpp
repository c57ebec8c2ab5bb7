// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/runtime/runtime.h"

namespace platform {

bool menuKeyIsCommand()
{
    return true;
}

bool isChordModifierKey(int code)
{
    // Mac virtual key codes: Command left and right, Shift left and right.
    return code == 55 || code == 54 || code == 56 || code == 60;
}

} // namespace platform
