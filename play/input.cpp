// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/play_window.h"

#include "platform/keyboard.h"
#include "platform/runtime.h"
#include "platform/timer.h"
#include "settings/module1.h"

namespace {

constexpr int kMillisecondsPerSecond = 1000;
constexpr std::int32_t kNoKeyHeld = 13;
constexpr std::int32_t kSwallowedKey = 133;
constexpr std::int32_t kHighestKeyCode = 255;

} // namespace

bool Window1::Event_KeyDown(const std::string&)
{
    Timer1->setPeriod(Module1::delayTime * kMillisecondsPerSecond);
    Timer2->setMode(platform::Timer::ModeOff);
    std::int32_t code = kNoKeyHeld;
    for (std::int32_t candidate = 0; candidate <= kHighestKeyCode; ++candidate) {
        if (platform::Keyboard::AsyncKeyDown(candidate)) {
            code = candidate;
            break;
        }
        platform::RuntimeBackgroundTask();
    }
    if (code == kSwallowedKey)
        return true;
    key_Pressed(code);
    return false;
}

bool Window1::Event_MouseDown(int, int)
{
    Timer1->setPeriod(Module1::delayTime * kMillisecondsPerSecond);
    Timer2->setMode(platform::Timer::ModeOff);
    mouse_Pressed();
    return false;
}

void Window1::Event_MouseUp(int, int) {}

void Window1::mouse_Pressed()
{
    if (Module1::backMode == "changing")
        setBackColor();
    if (Module1::playMode == "backgroundOnly") {
        playSound();
        setBackColor();
    } else {
        play_Rotation();
        draw_Random();
    }
}

void Window1::key_Pressed(std::int32_t code)
{
    mouse_Pressed();
    key_ReleaseCheck(code);
}

void Window1::key_ReleaseCheck(std::int32_t code)
{
    // Presses that arrive while a key is held get their action, but only the first key waits:
    // a child mashing keys while holding one must not pile up waits inside waits.
    if (waitingForRelease_)
        return;
    waitingForRelease_ = true;
    bool held = true;
    while (held && !platform::Keyboard::AsyncControlKey() && !isClosed()) {
        held = platform::Keyboard::AsyncKeyDown(code);
        // Sleeps until the next event (the release among them) instead of spinning.
        if (held)
            platform::RuntimeWaitForEvents();
    }
    waitingForRelease_ = false;
}
