// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/keyboard.h"
#include "platform/keyboard_tracker.h"

namespace platform {

std::unique_ptr<KeyboardState> makeSystemKeyboard()
{
    return std::make_unique<KeyboardTracker>();
}

} // namespace platform
