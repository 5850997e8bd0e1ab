#pragma once

#include <memory>
#include <optional>

#include "kit/clock.h"
#include "kit/timer_queue.h"

class QSocketNotifier;

// Wall-clock time. One alarm, set to the nanosecond on the monotonic clock, wakes the event loop
// for the earliest due countdown. Qt's own timers cannot do this: they count whole milliseconds
// from when they are started, and the glib event loop rounds its waits up to whole milliseconds.
class RealClock : public Clock {
  public:
    RealClock();
    ~RealClock() override;
    RealClock(const RealClock&) = delete;
    RealClock& operator=(const RealClock&) = delete;

    void start(GameTimer& timer) override;
    void stop(GameTimer& timer) override;
    std::int64_t now() const override;

  private:
    void fireDue();
    void arm();

    TimerQueue queue_;
    int alarm_ = -1;
    std::unique_ptr<QSocketNotifier> alarmReady_;
    std::optional<TimerQueue::Time> armedFor_;
};
