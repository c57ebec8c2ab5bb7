// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/input/keyboard_x11.h"

#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace platform {
namespace {

// A scan of all 256 codes takes well under this; a held-key wait sleeps far longer between polls.
constexpr auto kFreshFor = std::chrono::milliseconds(2);

} // namespace

KeyboardX11::KeyboardX11(xcb_connection_t* connection) : connection_(connection) {}

void KeyboardX11::refresh()
{
    const auto now = std::chrono::steady_clock::now();
    if (now - fetched_ < kFreshFor)
        return;
    fetched_ = now;
    xcb_query_keymap_reply_t* reply =
        xcb_query_keymap_reply(connection_, xcb_query_keymap(connection_), nullptr);
    if (!reply) {
        keys_.fill(0);
        return;
    }
    std::memcpy(keys_.data(), reply->keys, keys_.size());
    std::free(reply);
}

bool KeyboardX11::keyDown(int code)
{
    refresh();
    return keys_[static_cast<std::size_t>(code) / 8] & (1u << (code % 8));
}

bool KeyboardX11::controlKey()
{
    return keyDown(kLeftControlCode) || keyDown(kRightControlCode);
}

} // namespace platform
