#pragma once

#include <chrono>
#include <cstdint>
#include <map>
#include <optional>
#include <unordered_map>
#include <utility>

class GameTimer;

// The running countdowns of one clock, in due order, ties in the order they began. Shared by the
// real and the virtual clock so both order and pace ticks alike.
class TimerQueue {
  public:
    using Time = std::chrono::nanoseconds;

    // Begins a fresh countdown of the timer's interval, replacing any running one. Begun while a
    // tick is handled, it counts from that tick's due time, so the time a handler takes never
    // adds up into drift; otherwise, or if that is more than the interval and a screen frame ago,
    // from now.
    void start(GameTimer& timer, Time now);
    void stop(const GameTimer& timer);
    bool isRunning(const GameTimer& timer) const;
    std::optional<Time> nextDue() const;
    // Fires the earliest countdown if it is due by now; returns whether one fired.
    bool fireNext(Time now);

  private:
    using Key = std::pair<Time, std::uint64_t>;  // due time, start order
    std::map<Key, GameTimer*> due_;
    std::unordered_map<const GameTimer*, Key> keys_;
    std::uint64_t order_ = 0;
    std::optional<Time> tickDue_;  // due time of the tick being handled
};
