#include <gtest/gtest.h>

#include <string>

#include "doubles/virtual_clock.h"
#include "kit/game_timer.h"
#include "kit/timer_queue.h"

namespace {
struct Log {
    std::string text;
    void add(const std::string& s) { text += s; }
};
}  // namespace

TEST(GameTimer, FiresEveryIntervalWhileEnabled) {
    VirtualClock clock;
    int ticks = 0;
    GameTimer timer(clock, 100, true);
    timer.onTimer([&] { ++ticks; });
    clock.advance(99);
    EXPECT_EQ(ticks, 0);
    clock.advance(1);
    EXPECT_EQ(ticks, 1);
    clock.advance(350);
    EXPECT_EQ(ticks, 4);
    timer.setEnabled(false);
    clock.advance(1000);
    EXPECT_EQ(ticks, 4);
}

TEST(GameTimer, EnablingAnEnabledTimerKeepsItsCountdownReenablingStartsAfresh) {
    VirtualClock clock;
    std::vector<std::int64_t> at;
    GameTimer timer(clock, 100, true);
    timer.onTimer([&] { at.push_back(clock.now()); });
    clock.advance(90);
    timer.setEnabled(true);
    clock.advance(40);
    timer.setEnabled(false);
    timer.setEnabled(true);
    clock.advance(150);
    EXPECT_EQ(at, (std::vector<std::int64_t>{100, 230}));
}

TEST(GameTimer, ANewIntervalAppliesFromTheNextCountdown) {
    VirtualClock clock;
    std::vector<std::int64_t> at;
    GameTimer timer(clock, 100, true);
    timer.onTimer([&] {
        at.push_back(clock.now());
        timer.setEnabled(false);
        timer.setInterval(30);
        timer.setEnabled(true);
    });
    clock.advance(200);
    EXPECT_EQ(at, (std::vector<std::int64_t>{100, 130, 160, 190}));
    GameTimer idle(clock, 50, true);
    idle.setInterval(500);  // the running countdown keeps its length
    int idleTicks = 0;
    idle.onTimer([&] { ++idleTicks; });
    clock.advance(50);
    EXPECT_EQ(idleTicks, 1);
}

TEST(GameTimer, ZeroIntervalNeverFires) {
    VirtualClock clock;
    int ticks = 0;
    GameTimer timer(clock, 0, true);
    timer.onTimer([&] { ++ticks; });
    clock.advance(1000);
    EXPECT_EQ(ticks, 0);
}

TEST(VirtualClock, FiresDueTimersOneAtATimeInDueOrderTiesByStart) {
    VirtualClock clock;
    Log log;
    GameTimer slow(clock, 30, true);
    GameTimer fast(clock, 10, true);
    GameTimer tie(clock, 30, true);
    slow.onTimer([&] { log.add("s"); });
    fast.onTimer([&] { log.add("f"); });
    tie.onTimer([&] { log.add("t"); });
    clock.advance(60);
    // At 30 and 60 the slow pair began its countdowns before the fast one rearmed.
    EXPECT_EQ(log.text, "ffstfffstf");
}

TEST(VirtualClock, AHandlerMayEnableAnotherTimerOrDestroyItsOwn) {
    VirtualClock clock;
    Log log;
    GameTimer second(clock, 50);
    second.onTimer([&] {
        log.add("2");
        second.setEnabled(false);
    });
    auto first = std::make_unique<GameTimer>(clock, 20, true);
    first->onTimer([&] {
        log.add("1");
        first->setEnabled(false);
        second.setEnabled(true);  // counts from the moment it is enabled
    });
    clock.advance(69);
    EXPECT_EQ(log.text, "1");
    clock.advance(1);
    EXPECT_EQ(log.text, "12");
    EXPECT_FALSE(clock.isRunning(second));

    GameTimer selfDestruct(clock, 5, true);
    std::unique_ptr<GameTimer> victim = std::make_unique<GameTimer>(clock, 5, true);
    selfDestruct.onTimer([&] { victim.reset(); });  // the other timer due at the same time
    victim->onTimer([&] { log.add("x"); });
    clock.advance(5);
    EXPECT_EQ(log.text, "12");
}

namespace {
// The real clock's queue on a hand-set monotonic time, so lateness can be staged without waiting.
struct LateClock : Clock {
    TimerQueue queue;
    TimerQueue::Time time{};
    void start(GameTimer& timer) override { queue.start(timer, time); }
    void stop(GameTimer& timer) override { queue.stop(timer); }
    std::int64_t now() const override {
        return std::chrono::duration_cast<std::chrono::milliseconds>(time).count();
    }
    void fireAt(std::int64_t ms) {
        time = std::chrono::milliseconds(ms);
        while (queue.fireNext(time)) {
        }
    }
    std::int64_t nextDue() const {
        return std::chrono::duration_cast<std::chrono::milliseconds>(*queue.nextDue()).count();
    }
};
}  // namespace

TEST(TimerQueue, LateTicksCountOnFromTheirDueTimeUnlessFarBehind) {
    LateClock clock;
    clock.time = std::chrono::milliseconds(37);
    GameTimer stepper(clock, 100, true);
    GameTimer other(clock, 30);
    int steps = 0;
    stepper.onTimer([&] {
        ++steps;
        stepper.setEnabled(false);
        other.setEnabled(true);
        stepper.setEnabled(true);
    });
    EXPECT_EQ(clock.nextDue(), 137);
    clock.fireAt(140);  // 3 ms late
    EXPECT_EQ(clock.nextDue(), 167);
    other.setEnabled(false);
    EXPECT_EQ(clock.nextDue(), 237);
    clock.fireAt(500);  // the machine slept
    EXPECT_EQ(steps, 2);
    EXPECT_EQ(clock.nextDue(), 530);
    other.setEnabled(false);
    EXPECT_EQ(clock.nextDue(), 600);

    GameTimer idle(clock, 50, true);  // a handler that leaves its timer alone
    stepper.setEnabled(false);
    clock.fireAt(560);
    EXPECT_EQ(clock.nextDue(), 600);

    LateClock fastClock;
    GameTimer fast(fastClock, 5, true);
    int fastTicks = 0;
    fast.onTimer([&] { ++fastTicks; });
    fastClock.fireAt(17);  // less than a screen frame behind: the missed ticks catch up
    EXPECT_EQ(fastTicks, 3);
    EXPECT_EQ(fastClock.nextDue(), 20);
}
