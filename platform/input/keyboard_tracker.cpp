// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/input/keyboard_tracker.h"

#include "platform/input/key_events.h"

namespace platform {

bool KeyboardTracker::keyDown(int code)
{
    return KeyEvents::shared().down(code);
}

bool KeyboardTracker::controlKey()
{
    return KeyEvents::shared().controlDown();
}

} // namespace platform
