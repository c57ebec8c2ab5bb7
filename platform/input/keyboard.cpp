// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/input/keyboard.h"

namespace platform {
namespace {

std::unique_ptr<KeyboardState>& slot()
{
    static std::unique_ptr<KeyboardState> state;
    return state;
}

} // namespace

KeyboardState& Keyboard::state()
{
    auto& s = slot();
    if (!s)
        s = makeSystemKeyboard();
    return *s;
}

bool Keyboard::AsyncKeyDown(int code)
{
    if (code < 0 || code > 255)
        return false;
    return state().keyDown(code);
}

bool Keyboard::AsyncControlKey()
{
    return state().controlKey();
}

void Keyboard::install(std::unique_ptr<KeyboardState> state)
{
    slot() = std::move(state);
}

} // namespace platform
