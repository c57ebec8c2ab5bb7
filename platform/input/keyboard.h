// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

namespace platform {

// The asynchronous keyboard state: which physical keys are down at the moment of the call.
class KeyboardState {
  public:
    virtual ~KeyboardState() = default;
    virtual bool keyDown(int code) = 0; // physical key code 0 to 255
    virtual bool controlKey() = 0;
};

// The Control keys' codes where the system's own state is asked (X11, and Wayland's evdev + 8).
constexpr int kLeftControlCode = 37;
constexpr int kRightControlCode = 105;

class Keyboard {
  public:
    static bool AsyncKeyDown(int code);
    static bool AsyncControlKey();

    // Replaces the state source; nullptr goes back to the system's.
    static void install(std::unique_ptr<KeyboardState> state);

  private:
    static KeyboardState& state();
};

// The best source this system offers; chosen by the build per operating system.
std::unique_ptr<KeyboardState> makeSystemKeyboard();

} // namespace platform
