// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/runtime/timer_scheduler.h"

#include <algorithm>
#include <map>

// Timers that fire only when the test moves time on.
class ManualClock : public platform::TimerScheduler {
  public:
    Id start(int periodMs, std::function<void()> fire) override
    {
        timers_[++last_] = {std::max(1, periodMs), now_ + std::max(1, periodMs), std::move(fire)};
        return last_;
    }
    void cancel(Id id) override { timers_.erase(id); }

    // Moves time on, firing every timer that falls due, in order of time.
    void advance(long long ms)
    {
        const long long end = now_ + ms;
        for (;;) {
            auto due = std::min_element(timers_.begin(), timers_.end(), [](auto& a, auto& b) {
                return a.second.due < b.second.due;
            });
            if (due == timers_.end() || due->second.due > end)
                break;
            now_ = due->second.due;
            due->second.due += due->second.period;
            auto fire = due->second.fire; // the timer may be cancelled while it fires
            fire();
        }
        now_ = end;
    }
    int running() const { return int(timers_.size()); }

  private:
    struct Entry {
        long long period;
        long long due;
        std::function<void()> fire;
    };
    std::map<Id, Entry> timers_;
    Id last_ = 0;
    long long now_ = 0;
};
