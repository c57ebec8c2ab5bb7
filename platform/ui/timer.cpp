// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/timer.h"

#include "platform/runtime/timer_scheduler.h"

namespace platform {

Timer::Timer(Window& owner, std::string name, int mode, int periodMs)
    : Control(owner, std::move(name), {}, nullptr), mode_(mode), period_(periodMs)
{
    if (mode_ != ModeOff)
        restart();
}

Timer::~Timer()
{
    stop();
}

void Timer::setMode(int mode)
{
    if (mode == mode_)
        return;
    mode_ = mode;
    if (mode_ == ModeOff)
        stop();
    else
        restart();
}

void Timer::setPeriod(int periodMs)
{
    period_ = periodMs;
    if (mode_ != ModeOff)
        restart();
}

void Timer::windowClosing()
{
    mode_ = ModeOff;
    stop();
}

void Timer::restart()
{
    stop();
    running_ = TimerScheduler::current().start(period_, [this] {
        if (Action)
            Action();
    });
}

void Timer::stop()
{
    if (running_)
        TimerScheduler::current().cancel(running_);
    running_ = 0;
}

} // namespace platform
