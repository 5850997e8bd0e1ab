#include <chrono>

#include "persist/data_files.h"
#include "support/play_steps.h"

// Whole games on virtual time, played through the keyboard by a scripted player.
class WholeGameTest : public PlayStepsTest {
  protected:
    // The invader the player answers: the only one, or at level 3 the nearest.
    int answer() { return answerFor(state.gLevel == 3 ? static_cast<int>(play().mNearSlot) : 0); }
    bool canShoot() { return play().mBusy == 0 && play().picMain->isVisibleTo(&play()); }

    Shows briefings = recordShows(ScreenId::Briefing);
    Shows allClear = recordShows(ScreenId::AllClear);
    Shows title = recordShows(ScreenId::Title);
    Shows gameOver = recordShows(ScreenId::GameOver, [](Services& sv) {
        sv.state.gRetryFlag = 1;
        sv.state.gScore = 300;
    });
};

TEST_F(WholeGameTest, PlayerWhoReadsEveryAngleReachesTheAllClear) {
    const auto began = std::chrono::steady_clock::now();
    start(1, 1);
    int shots = 0;
    int names = 0;
    std::vector<std::pair<int, int>> stagesPlayed{{1, 1}};
    while (title->empty() && gameOver->empty() && clock.now() < 3'600'000) {
        if (canShoot()) {
            const int angle = answer();
            ASSERT_TRUE(angle >= 10 && angle <= 180 && angle % 10 == 0)
                << "level " << state.gLevel << " stage " << state.gStage << ": " << angle;
            const auto stage = std::pair<int, int>(state.gLevel, state.gStage);
            if (stagesPlayed.back() != stage) {
                stagesPlayed.push_back(stage);
            }
            fire(angle);
            ASSERT_EQ(play().mBusy, 1);
            ++shots;
        }
        if (enterName("ゆうき")) {
            ++names;
        }
        advance(10);
    }
    EXPECT_TRUE(gameOver->empty());
    EXPECT_EQ(shots, 3 * 10 + 3 * 15 + 3 * 20);
    const std::vector<std::pair<int, int>> all{{1, 1}, {1, 2}, {1, 3}, {2, 1}, {2, 2},
                                               {2, 3}, {3, 1}, {3, 2}, {3, 3}};
    EXPECT_EQ(stagesPlayed, all);
    EXPECT_EQ(*briefings, (std::vector<std::pair<int, int>>(all.begin() + 1, all.end())));
    EXPECT_EQ(*allClear, (std::vector<std::pair<int, int>>{{3, 1}}));
    EXPECT_EQ(*title, (std::vector<std::pair<int, int>>{{3, 1}}));
    EXPECT_EQ(state.gLevel, 3);
    EXPECT_EQ(state.gStage, 1);
    EXPECT_FALSE(nav.find(ScreenId::Play));
    // The high score and its holder are on disk, as the next start reads them.
    EXPECT_EQ(names, 1);
    GameState next;
    next.gAppDir = state.gAppDir;
    LoadHighScoreFile(next);
    EXPECT_EQ(next.gHiName, "ゆうき");
    EXPECT_GT(next.gHiScore, 300);
    EXPECT_EQ(next.gHiScore, state.gHiScore);
    // Every stage started its music once; every clear stopped it, the all clear once more.
    const auto music = sound.commandsOf("mmcMidi");
    EXPECT_EQ(std::count(music.begin(), music.end(), "play"), 9);
    EXPECT_EQ(std::count(music.begin(), music.end(), "stop"), 10);
    const auto took = std::chrono::steady_clock::now() - began;
    RecordProperty("virtual_seconds", static_cast<int>(clock.now() / 1000));
    RecordProperty(
        "real_ms",
        static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(took).count()));
}

TEST_F(WholeGameTest, PlayerWhoAlwaysMissesLosesAndContinuesTheSameStage) {
    int scoreAtGameOver = -1;
    gameOver = recordShows(ScreenId::GameOver, [&scoreAtGameOver](Services& sv) {
        scoreAtGameOver = sv.state.gScore;
        sv.state.gRetryFlag = 1;
        sv.state.gScore = 300;
    });
    start(1, 2);
    int misses = 0;
    while (gameOver->empty() && clock.now() < 600'000) {
        if (canShoot() && state.gInputAngle == 0) {
            fire(answer() % 180 + 10);
            ++misses;
        }
        advance(10);
    }
    ASSERT_EQ(*gameOver, (std::vector<std::pair<int, int>>{{1, 2}}));
    // Ten misses use up 300 points, unless the invader got there first.
    EXPECT_LE(misses, 10);
    EXPECT_EQ(scoreAtGameOver, 300 - 30 * misses);
    // Continued: the same stage with its full count, playable at once.
    FrmTezra& s = play();
    EXPECT_EQ(state.gLevel, 1);
    EXPECT_EQ(state.gStage, 2);
    EXPECT_EQ(state.gRest, 10);
    EXPECT_EQ(state.gScore, 300);
    EXPECT_EQ(s.lblRest->caption(), "10");
    EXPECT_EQ(s.mBusy, 0);
    EXPECT_TRUE(s.tmrInv[0]->enabled());
    EXPECT_TRUE(s.tmrWatch->enabled());
    EXPECT_TRUE(s.picMain->isVisibleTo(&s));
    // And the next shot plays out in full.
    const int angle = answer();
    fire(angle);
    advanceToJudgement();
    EXPECT_EQ(s.lblHitMsg->caption(), "命中 !!");
    EXPECT_EQ(state.gRest, 9);
    EXPECT_TRUE(title->empty());
}
