// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/runtime/timer_scheduler.h"

#include "platform/runtime/replaceable.h"

#include <QTimer>
#include <map>

namespace platform {
namespace {

class EventLoopScheduler : public TimerScheduler {
  public:
    ~EventLoopScheduler() override
    {
        for (auto& [id, timer] : timers_)
            delete timer;
    }

    Id start(int periodMs, std::function<void()> fire) override
    {
        auto* timer = new QTimer;
        timer->setTimerType(Qt::PreciseTimer);
        // A zero period would spin the processor; the shortest period is one millisecond.
        timer->setInterval(std::max(1, periodMs));
        QObject::connect(timer, &QTimer::timeout, std::move(fire));
        timer->start();
        timers_[++last_] = timer;
        return last_;
    }

    void cancel(Id id) override
    {
        const auto found = timers_.find(id);
        if (found == timers_.end())
            return;
        found->second->stop();
        // It may be cancelled from inside its own timeout.
        found->second->deleteLater();
        timers_.erase(found);
    }

  private:
    std::map<Id, QTimer*> timers_;
    Id last_ = 0;
};

std::unique_ptr<TimerScheduler> makeEventLoopScheduler()
{
    return std::make_unique<EventLoopScheduler>();
}

Replaceable<TimerScheduler>& slot()
{
    static Replaceable<TimerScheduler> scheduler(&makeEventLoopScheduler);
    return scheduler;
}

} // namespace

TimerScheduler& TimerScheduler::current()
{
    return slot().get();
}

void TimerScheduler::install(std::unique_ptr<TimerScheduler> scheduler)
{
    slot().install(std::move(scheduler));
}

} // namespace platform
