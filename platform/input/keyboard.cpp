// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/input/keyboard.h"

#include "platform/runtime/replaceable.h"

namespace platform {
namespace {

Replaceable<KeyboardState>& slot()
{
    static Replaceable<KeyboardState> state(&makeSystemKeyboard);
    return state;
}

} // namespace

KeyboardState& Keyboard::state()
{
    return slot().get();
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
    slot().install(std::move(state));
}

} // namespace platform
