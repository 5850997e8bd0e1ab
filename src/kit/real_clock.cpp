#include "kit/real_clock.h"

#include <sys/timerfd.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <QtGlobal>
#include <algorithm>
#include <cstdint>

namespace {
// CLOCK_MONOTONIC, as the alarm uses.
TimerQueue::Time monotonicNow() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return std::chrono::seconds(ts.tv_sec) + std::chrono::nanoseconds(ts.tv_nsec);
}
}  // namespace

RealClock::RealClock() : alarm_(timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC)) {
    if (alarm_ < 0) {
        qFatal("RealClock: no timer file descriptor available");
    }
    alarmReady_ = std::make_unique<QSocketNotifier>(alarm_, QSocketNotifier::Read);
    QObject::connect(alarmReady_.get(), &QSocketNotifier::activated, [this] { fireDue(); });
}

RealClock::~RealClock() {
    alarmReady_.reset();
    close(alarm_);
}

void RealClock::start(GameTimer& timer) {
    queue_.start(timer, monotonicNow());
    arm();
}

void RealClock::stop(GameTimer& timer) {
    queue_.stop(timer);
    arm();
}

std::int64_t RealClock::now() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(monotonicNow()).count();
}

void RealClock::fireDue() {
    std::uint64_t expirations = 0;
    if (read(alarm_, &expirations, sizeof expirations) < 0) {
        return;  // not due after all: rearmed for later since it woke the loop
    }
    armedFor_.reset();
    const TimerQueue::Time now = monotonicNow();
    while (queue_.fireNext(now)) {
    }
    arm();
}

void RealClock::arm() {
    const std::optional<TimerQueue::Time> due = queue_.nextDue();
    if (due == armedFor_) {
        return;
    }
    armedFor_ = due;
    itimerspec spec{};  // all zero disarms
    if (due) {
        // Zero would disarm; a due time that early is long past anyway.
        const std::int64_t ns = std::max<std::int64_t>(due->count(), 1);
        spec.it_value.tv_sec = static_cast<time_t>(ns / 1'000'000'000);
        spec.it_value.tv_nsec = static_cast<long>(ns % 1'000'000'000);
    }
    timerfd_settime(alarm_, TFD_TIMER_ABSTIME, &spec, nullptr);
}
