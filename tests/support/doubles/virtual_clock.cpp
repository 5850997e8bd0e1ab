#include "doubles/virtual_clock.h"

void VirtualClock::start(GameTimer& timer) {
    queue_.start(timer, now_);
}

void VirtualClock::stop(GameTimer& timer) {
    queue_.stop(timer);
}

std::int64_t VirtualClock::now() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(now_).count();
}

void VirtualClock::advance(std::int64_t ms) {
    const TimerQueue::Time target = now_ + std::chrono::milliseconds(ms);
    for (auto due = queue_.nextDue(); due && *due <= target; due = queue_.nextDue()) {
        now_ = *due;
        queue_.fireNext(now_);
    }
    now_ = target;
}
