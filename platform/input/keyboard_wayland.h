// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/input/keyboard.h"

namespace platform {

// The keys the Wayland compositor says are down; codes as X11's.
class KeyboardWayland : public KeyboardState {
  public:
    bool keyDown(int code) override;
    bool controlKey() override;
};

} // namespace platform
