#pragma once

#include <cstdint>

class GameTimer;

// Drives game timers. The game uses a real clock; tests use a virtual one.
class Clock {
  public:
    virtual ~Clock() = default;
    // Begins a fresh countdown of the timer's current interval, replacing any running one. Begun
    // while a tick is handled, it counts from that tick's due time rather than from now.
    virtual void start(GameTimer& timer) = 0;
    // Cancels the timer's countdown, if any.
    virtual void stop(GameTimer& timer) = 0;
    // The timer is being destroyed.
    virtual void release(GameTimer& timer) { stop(timer); }
    // Milliseconds since some start, on this clock's time.
    virtual std::int64_t now() const = 0;
};
