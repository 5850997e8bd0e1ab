#include "kit/timer_queue.h"

#include <algorithm>

#include "kit/game_timer.h"

namespace {
// Catch-up ticks that fit in one screen frame (1/60 s) are not seen as a burst.
constexpr std::chrono::milliseconds kUnseenCatchUp{16};
}  // namespace

void TimerQueue::start(GameTimer& timer, Time now) {
    stop(timer);
    const Time interval = std::chrono::milliseconds(timer.interval());
    // A tick handled more than an interval late (the machine slept, a handler blocked) would put
    // the next due time in the past and fire a burst of catch-up ticks; count on from now instead.
    const Time allowance = std::max<Time>(interval, kUnseenCatchUp);
    const Time from = tickDue_ && now - *tickDue_ <= allowance ? *tickDue_ : now;
    const Key key{from + interval, order_++};
    due_.emplace(key, &timer);
    keys_.emplace(&timer, key);
}

void TimerQueue::stop(const GameTimer& timer) {
    auto it = keys_.find(&timer);
    if (it != keys_.end()) {
        due_.erase(it->second);
        keys_.erase(it);
    }
}

bool TimerQueue::isRunning(const GameTimer& timer) const {
    return keys_.count(&timer) != 0;
}

std::optional<TimerQueue::Time> TimerQueue::nextDue() const {
    if (due_.empty()) {
        return std::nullopt;
    }
    return due_.begin()->first.first;
}

bool TimerQueue::fireNext(Time now) {
    if (due_.empty() || due_.begin()->first.first > now) {
        return false;
    }
    const auto [key, timer] = *due_.begin();
    due_.erase(due_.begin());
    keys_.erase(timer);
    // A handler may run a nested event loop that handles other ticks; restore the outer one after.
    const std::optional<Time> outer = std::exchange(tickDue_, key.first);
    timer->fire();
    tickDue_ = outer;
    return true;
}
