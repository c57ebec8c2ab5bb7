// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/runtime/language.h"
#include "platform/runtime/runtime.h"

namespace platform {

std::string menuKeyName(bool asKeyCaps)
{
    return asKeyCaps ? translate("ParentChord", "Ctrl") : translate("ParentChord", "Control");
}

bool isChordModifierKey(int code)
{
    // X11 and Wayland key codes: Control left and right, Shift left and right.
    return code == 37 || code == 105 || code == 50 || code == 62;
}

} // namespace platform
