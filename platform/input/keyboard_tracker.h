// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/input/keyboard.h"

namespace platform {

// Keyboard state from the key events the program receives, where the system cannot be asked.
class KeyboardTracker : public KeyboardState {
  public:
    bool keyDown(int code) override;
    bool controlKey() override;
};

} // namespace platform
