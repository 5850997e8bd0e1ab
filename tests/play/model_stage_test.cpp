#include <gtest/gtest.h>

#include <set>

#include "core/angle_picker.h"
#include "doubles/virtual_clock.h"
#include "persist/lesson_settings.h"
#include "play/play_model.h"
#include "state/game_state.h"
#include "state/random_source.h"

// A whole stage played on the model alone, with no screen: the rounds it places, the shots it
// judges and the stage clear it decides.
namespace {

struct ModelWorld {
    explicit ModelWorld(int level, int stage) {
        state.gLevel = level;
        state.gStage = stage;
        state.gScore = 300;
    }
    GameState state;
    SeededRandom random{5};
    VirtualClock clock;
    LessonSettings settings;
    RandomPicker picker{random};
    PlayModel model{state, picker, random, clock, settings};

    // The angle to type for the invader in the slot.
    int answer(int slot = 0) const {
        const PlayState& p = model.playState();
        return (p.gInvAngle[slot] - p.mLineAngle) * p.mLineDir;
    }
    // Types the angle and fires it, steps the fan and the flight to the judgement, and the hit's
    // follow-up to its end. Returns whether it hit.
    bool shoot(int angle) {
        for (char c : std::to_string(angle)) {
            model.typeKey(static_cast<char32_t>(c));
        }
        EXPECT_TRUE(model.takeAim());
        model.fire();
        while (!model.stepFan().finished) {
        }
        ShotTick tick;
        while (!(tick = model.stepShot()).reachedRim) {
        }
        if (!tick.hitSlot) {
            return false;
        }
        while (!model.stepHitFollowUp().done) {
        }
        return true;
    }
};

TEST(ModelStage, TheMovingLineStageIsClearedByTenHitsAndEachRoundTurnsTheLineToTheLastHit) {
    ModelWorld w(1, 3);
    w.model.setupStage();
    int lastHit = 90;
    int rounds = 0;
    for (Round round = w.model.nextRound(); !round.stageCleared; round = w.model.nextRound()) {
        const PlayState& p = w.model.playState();
        ASSERT_TRUE(round.placed && round.lineTurned);
        EXPECT_EQ(w.model.phase(), PlayPhase::Aiming);
        EXPECT_EQ(p.mLineAngle, lastHit);
        const int invader = p.gInvAngle[0];
        EXPECT_NE(invader, lastHit);
        // A miss first: it costs 30 points and the invader stays.
        const int score = w.state.gScore;
        const int right = w.answer();
        ASSERT_FALSE(w.shoot(right > 10 ? right - 10 : right + 10));
        EXPECT_EQ(w.state.gScore, score - 30);
        EXPECT_EQ(w.model.phase(), PlayPhase::MissFollowUp);
        EXPECT_EQ(p.gInvAngle[0], invader);
        ASSERT_TRUE(w.shoot(right));
        EXPECT_EQ(p.gLastAngle1, invader);
        lastHit = invader;
        ++rounds;
    }
    EXPECT_EQ(rounds, 10);
    EXPECT_EQ(w.model.playState().gRest, 0);
}

TEST(ModelStage, AtTheHardLevelAHitRefillsOnlyItsSlotAndTheLastTwoSlotsRetire) {
    ModelWorld w(3, 1);
    w.model.setupStage();
    std::set<int> retired;
    int hits = 0;
    for (Round round = w.model.nextRound(); !round.stageCleared;) {
        const PlayState& p = w.model.playState();
        const auto before = p.gInvAngle;
        // None walks here, so all stand equally near: the first still standing is shot.
        int slot = 0;
        while (p.gInvAngle[slot] == kRetiredSlot) {
            ++slot;
        }
        ASSERT_TRUE(w.shoot(w.answer(slot)));
        ++hits;
        round = w.model.nextRound();
        for (int other = 0; other < 3; ++other) {
            if (other != slot) {
                EXPECT_EQ(p.gInvAngle[other], before[other]);
            }
        }
        if (p.gInvAngle[slot] == kRetiredSlot) {
            retired.insert(slot);
            EXPECT_FALSE(round.walks[0] || round.walks[1] || round.walks[2]);
        }
    }
    EXPECT_EQ(hits, 20);
    EXPECT_EQ(retired.size(), 2u);
}

}  // namespace
