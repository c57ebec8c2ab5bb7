// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>

namespace platform {

// The clock behind the timers; tests install one they can move by hand.
class TimerScheduler {
  public:
    using Id = int;
    virtual ~TimerScheduler() = default;
    // Calls fire every period ms from now on, until cancelled.
    virtual Id start(int periodMs, std::function<void()> fire) = 0;
    virtual void cancel(Id id) = 0;

    static TimerScheduler& current();
    // nullptr goes back to the event loop's own timers.
    static void install(std::unique_ptr<TimerScheduler> scheduler);
};

} // namespace platform
