#include "kit/virtual_clock.h"

#include "kit/game_timer.h"

void VirtualClock::start(GameTimer& timer) {
    stop(timer);
    Key key{now_ + timer.interval(), order_++};
    due_.emplace(key, &timer);
    keys_.emplace(&timer, key);
}

void VirtualClock::stop(GameTimer& timer) {
    auto it = keys_.find(&timer);
    if (it != keys_.end()) {
        due_.erase(it->second);
        keys_.erase(it);
    }
}

bool VirtualClock::isRunning(const GameTimer& timer) const {
    return keys_.count(&timer) != 0;
}

void VirtualClock::advance(std::int64_t ms) {
    const std::int64_t target = now_ + ms;
    while (!due_.empty() && due_.begin()->first.first <= target) {
        auto [key, timer] = *due_.begin();
        due_.erase(due_.begin());
        keys_.erase(timer);
        now_ = key.first;
        timer->fire();
    }
    now_ = target;
}
