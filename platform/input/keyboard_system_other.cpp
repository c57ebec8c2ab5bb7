// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/input/keyboard.h"
#include "platform/input/keyboard_tracker.h"

namespace platform {

std::unique_ptr<KeyboardState> makeSystemKeyboard()
{
    return std::make_unique<KeyboardTracker>();
}

} // namespace platform
