#include "play/play_model.h"
#include "support/play_steps.h"

// The play model's events, as the record of shots and other subscribers receive them.
class PlayModelTest : public PlayStepsTest {
  protected:
    PlayProbe& listenTo(int level, int stage) {
        PlayProbe& s = restartEmpty(level, stage);
        QObject::connect(&s.model, &PlayModel::shotJudged,
                         [this](const JudgedShot& shot) { shots.push_back(shot); });
        QObject::connect(&s.model, &PlayModel::stageCleared,
                         [this](int l, int st) { cleared.emplace_back(l, st); });
        QObject::connect(&s.model, &PlayModel::gameOver, [this] { ++gameOvers; });
        return s;
    }

    std::vector<JudgedShot> shots;
    std::vector<std::pair<int, int>> cleared;
    int gameOvers = 0;
};

TEST_F(PlayModelTest, AHitRoundAndAMissRoundEachJudgeOneShot) {
    listenTo(1, 1);
    pin(0, 40, 160);
    advance(700);
    int score = state.gScore;
    fire(40);
    advanceToJudgement();
    ASSERT_EQ(shots.size(), 1u);
    const JudgedShot hit = shots[0];
    EXPECT_EQ(std::tuple(hit.level, hit.stage, hit.rightAngle, hit.typedAngle, hit.hit),
              std::tuple(1, 1, 40, 40, true));
    EXPECT_GT(hit.points, 0);
    EXPECT_EQ(hit.points, state.gScore - score);
    // From the invader's placing to the fire; the fan and the flight do not count.
    EXPECT_EQ(hit.elapsedMs, 700);

    runUntilReady();
    clearField();
    pin(0, 100, 200);
    play().beginRound();
    advance(1200);
    score = state.gScore;
    fire(50);
    advanceToJudgement();
    runUntilReady();
    ASSERT_EQ(shots.size(), 2u);
    const JudgedShot miss = shots[1];
    EXPECT_EQ(std::tuple(miss.rightAngle, miss.typedAngle, miss.hit, miss.points),
              std::tuple(100, 50, false, -30));
    EXPECT_EQ(miss.points, state.gScore - score);
    EXPECT_EQ(miss.elapsedMs, 1200);
    EXPECT_TRUE(cleared.empty());
    EXPECT_EQ(gameOvers, 0);
}

TEST_F(PlayModelTest, OnTheTurnedLineTheRightAngleCountsInTheArrowsDirection) {
    PlayProbe& s = listenTo(1, 3);
    s.round.mLineAngle = 120;
    s.round.mLineDir = -1;
    pin(0, 70, 160);
    fire(50);
    advanceToJudgement();
    ASSERT_EQ(shots.size(), 1u);
    EXPECT_EQ(std::tuple(shots[0].stage, shots[0].rightAngle, shots[0].typedAngle, shots[0].hit),
              std::tuple(3, 50, 50, true));
}

TEST_F(PlayModelTest, AStageClearAndAGameOverAreEachSentOnce) {
    recordShows(ScreenId::Briefing);
    listenTo(2, 1);
    round().gRest = 1;
    pin(0, 40, 160);
    fire(40);
    advance(10000);
    EXPECT_EQ(cleared, (std::vector<std::pair<int, int>>{{2, 1}}));
    EXPECT_EQ(gameOvers, 0);

    // A miss that costs the last points ends the game.
    restartEmpty(1, 1);
    state.gScore = 20;
    pin(0, 100, 200);
    fire(50);
    advance(10000);
    EXPECT_EQ(gameOvers, 1);
    ASSERT_EQ(shots.size(), 2u);
    EXPECT_EQ(shots[1].points, -20);
    EXPECT_EQ(cleared.size(), 1u);
}
