#pragma once

#include <cstdint>

#include "kit/clock.h"
#include "kit/timer_queue.h"

// Virtual time for tests: advance() fires due timers one at a time in due order, ties in the order
// their countdowns began, exactly as one UI thread would.
class VirtualClock : public Clock {
  public:
    void start(GameTimer& timer) override;
    void stop(GameTimer& timer) override;

    void advance(std::int64_t ms);
    // Advances until nothing is due within maxMs or pred() holds; returns whether pred() held.
    template <typename Pred>
    bool advanceUntil(Pred pred, std::int64_t maxMs, std::int64_t stepMs = 1) {
        for (std::int64_t t = 0; t < maxMs; t += stepMs) {
            if (pred()) {
                return true;
            }
            advance(stepMs);
        }
        return pred();
    }
    std::int64_t now() const override;
    bool isRunning(const GameTimer& timer) const { return queue_.isRunning(timer); }

  private:
    TimerQueue queue_;
    TimerQueue::Time now_{0};
};
