#include <gtest/gtest.h>

#include <string>

#include "kit/game_timer.h"
#include "kit/virtual_clock.h"

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

TEST(GameTimer, EnablingStartsAFreshCountdown) {
    VirtualClock clock;
    int ticks = 0;
    GameTimer timer(clock, 100, true);
    timer.onTimer([&] { ++ticks; });
    clock.advance(90);
    timer.setEnabled(true);  // already enabled: counts from now again
    clock.advance(90);
    EXPECT_EQ(ticks, 0);
    clock.advance(10);
    EXPECT_EQ(ticks, 1);
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
