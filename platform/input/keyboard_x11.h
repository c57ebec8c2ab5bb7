// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/input/keyboard.h"

#include <array>
#include <chrono>
#include <cstdint>

struct xcb_connection_t;

namespace platform {

// The X server's own key map; codes are X keycodes. One round trip serves a burst of queries.
class KeyboardX11 : public KeyboardState {
  public:
    explicit KeyboardX11(xcb_connection_t* connection);
    bool keyDown(int code) override;
    bool controlKey() override;

  private:
    void refresh();

    xcb_connection_t* connection_;
    std::array<std::uint8_t, 32> keys_{};
    std::chrono::steady_clock::time_point fetched_{};
};

} // namespace platform
