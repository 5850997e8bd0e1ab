#include <cmath>
#include <limits>

#include "art/colours.h"
#include "play/shot_rules.h"
#include "play/stage_rules.h"
#include "state/angles.h"
#include "state/fan_sweep.h"
#include "support/play_steps.h"
#include "support/scripted_random.h"

namespace {
// The largest draw a source can give.
const float kTopDraw = std::nextafter(1.0f, 0.0f);

std::vector<FanSlice> sweep(int stage, int lineAngle, int lineDir, int angle, int* ticks) {
    FanState fan{};
    std::vector<FanSlice> slices;
    for (*ticks = 1; *ticks < 40; ++*ticks) {
        const FanTick tick = StepFan(fan, stage, lineAngle, lineDir, angle);
        if (tick.slice) {
            slices.push_back(*tick.slice);
        }
        if (tick.finished) {
            return slices;
        }
    }
    return slices;
}
}  // namespace

TEST(FanRules, SlicesOfEveryStage) {
    struct Case {
        int stage, lineAngle, lineDir, angle, ticks;
        std::vector<FanSlice> slices;  // all of them, or the first two and the last
    };
    const Case cases[] = {
        {1, 0, 1, 10, 2, {{kZeroEdge, 10}}},
        {1, 0, 1, 30, 4, {{kZeroEdge, 10}, {9, 20}, {18, 30}}},
        {1, 0, 1, 180, 19, {{kZeroEdge, 10}, {9, 20}, {153, 180}}},
        {2, 0, 1, 10, 2, {{170, 180}}},
        {2, 0, 1, 30, 4, {{170, 180}, {160, 171}, {150, 162}}},
        {2, 0, 1, 180, 19, {{170, 180}, {160, 171}, {kZeroEdge, 27}}},
        {3, 90, 1, 30, 4, {{90, 100}, {99, 110}, {108, 120}}},
        {3, 20, -1, 40, 5, {{10, 20}, {kZeroEdge, 11}, {340, 360}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "stage " << c.stage << " line " << c.lineAngle << " dir "
                                        << c.lineDir << " angle " << c.angle);
        int ticks = 0;
        const std::vector<FanSlice> got = sweep(c.stage, c.lineAngle, c.lineDir, c.angle, &ticks);
        EXPECT_EQ(ticks, c.ticks);
        ASSERT_EQ(got.size(), static_cast<std::size_t>(c.ticks - 1));
        std::vector<FanSlice> picked = got;
        if (got.size() > 3) {
            picked = {got[0], got[1], got.back()};
        }
        ASSERT_EQ(picked.size(), c.slices.size());
        for (std::size_t i = 0; i < picked.size(); ++i) {
            EXPECT_NEAR(picked[i].from, c.slices[i].from, 1e-3) << "slice " << i;
            EXPECT_NEAR(picked[i].to, c.slices[i].to, 1e-3) << "slice " << i;
        }
    }
}

TEST(FanRules, CountingBackPastZeroDrawsBelowZeroAsNearlyAFullTurn) {
    int ticks = 0;
    const auto got = sweep(3, 20, -1, 40, &ticks);
    ASSERT_EQ(got.size(), 4u);
    EXPECT_NEAR(got[2].from, 350, 1e-3);
    EXPECT_EQ(got[2].to, 360);
}

TEST(FanRules, AnUnknownStageOrDirectionNeverDrawsNorEnds) {
    for (auto [stage, dir] : {std::pair{4, 1}, std::pair{3, 0}}) {
        FanState fan{};
        for (int i = 0; i < 3; ++i) {
            const FanTick tick = StepFan(fan, stage, 0, dir, 30);
            EXPECT_FALSE(tick.slice);
            EXPECT_FALSE(tick.finished);
        }
    }
}

TEST(ShotRules, LineGrowsInFiveStepsAndKeepsItsLength) {
    const double lengths[] = {70, 130, 190, 250, 310, 310};
    for (int step = 0; step < 6; ++step) {
        EXPECT_EQ(ShotLength(step), lengths[step]) << step;
    }
}

TEST(ShotRules, BonusRowsWinOverEveryLevelsPoints) {
    const std::array<Int16, 4> points{20, 30, 40, 50};
    struct Case {
        int rel, band, points;
        QColor colour;
        LabelSide side;
    };
    const Case bonuses[] = {
        {30, 3, 1000, kCyan, LabelSide::RightAbove},
        {60, 2, 3000, QColor(0, 255, 0), LabelSide::RightAbove},
        {90, 1, 5000, kYellow, LabelSide::RightAbove},
        {180, 0, 9000, kWhite, LabelSide::LeftAbove},
    };
    for (int level = 1; level <= 3; ++level) {
        for (const Case& c : bonuses) {
            ScriptedRandom rnd({0.5f});
            const Award a = AwardFor(c.rel, c.band, level, points, rnd);
            EXPECT_EQ(a.points, c.points) << level << " " << c.rel;
            EXPECT_EQ(a.colour, c.colour);
            EXPECT_TRUE(a.labelShown);
            EXPECT_EQ(a.side, c.side);
            EXPECT_EQ(rnd.drawn(), 0);
        }
    }
    // The right angle in the wrong band is an ordinary hit.
    ScriptedRandom rnd({0.5f});
    EXPECT_EQ(AwardFor(90, 2, 1, points, rnd).points, 40);
    EXPECT_EQ(AwardFor(30, 2, 1, points, rnd).points, 40);
}

TEST(ShotRules, EachLevelsPointsByBand) {
    const QColor kGreen(0, 255, 0);
    struct Case {
        int level, band;
        float draw;
        int points;
        QColor colour;
        bool label;
        int drawn;
    };
    const Case cases[] = {
        {1, 0, 0, 20, kRed, false, 0},          {1, 1, 0, 30, kYellow, false, 0},
        {1, 2, 0, 40, kGreen, false, 0},        {1, 3, 0, 50, kCyan, false, 0},
        {2, 0, 0, 40, kRed, true, 0},           {2, 1, 0, 50, kYellow, true, 0},
        {2, 2, 0, 60, kGreen, true, 0},         {2, 3, 0, 50, kCyan, true, 1},
        {2, 3, 0.5f, 80, kCyan, true, 1},       {2, 3, kTopDraw, 100, kCyan, true, 1},
        {3, 0, 0, 50, kRed, true, 0},           {3, 1, 0, 70, kYellow, true, 0},
        {3, 2, 0, 80, kGreen, true, 1},         {3, 2, 0.5f, 140, kGreen, true, 1},
        {3, 2, kTopDraw, 200, kGreen, true, 1}, {3, 3, 0, 100, kCyan, true, 1},
        {3, 3, 0.5f, 300, kCyan, true, 1},      {3, 3, kTopDraw, 500, kCyan, true, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "level " << c.level << " band " << c.band << " draw " << c.draw);
        const auto rules = *RulesForLevel(c.level);
        const std::array<Int16, 4> points{rules.points[0], rules.points[1], rules.points[2],
                                          rules.points[3]};
        ScriptedRandom rnd({c.draw});
        const Award a = AwardFor(40, c.band, c.level, points, rnd);
        EXPECT_EQ(a.points, c.points);
        EXPECT_EQ(a.colour, c.colour);
        EXPECT_EQ(a.labelShown, c.label);
        EXPECT_EQ(a.side, LabelSide::RightAbove);
        EXPECT_EQ(rnd.drawn(), c.drawn);
    }
}

TEST(ShotRules, RandomPointsStayOnTheirSteps) {
    const std::array<Int16, 4> points{50, 70, 80, 90};
    SeededRandom rnd(7);
    for (int i = 0; i < 2000; ++i) {
        const int level2 = AwardFor(40, 3, 2, points, rnd).points;
        EXPECT_TRUE(level2 >= 50 && level2 <= 100 && level2 % 10 == 0) << level2;
        const int near = AwardFor(40, 2, 3, points, rnd).points;
        EXPECT_TRUE(near >= 80 && near <= 200 && near % 10 == 0) << near;
        const int far = AwardFor(40, 3, 3, points, rnd).points;
        EXPECT_TRUE(far >= 100 && far <= 500 && far % 100 == 0) << far;
    }
}

using ShotTest = PlayStepsTest;

TEST_F(ShotTest, TenDegreesIsOneSliceThenTheShotGrowsAndIsJudged) {
    PlayProbe& s = restartEmpty(1, 1);
    type("10");
    const auto mark = soundMark();
    key(Qt::Key_Space, " ");
    EXPECT_EQ(soundsSince(mark), (std::vector<QString>{"mmcPo: flag=False", "mmcPo: sound"}));
    EXPECT_TRUE(s.model.busy());
    EXPECT_FALSE(s.cmdShoot->isVisibleTo(&s.screen));

    // Tick 1 only sets the sweep up.
    auto tick = soundMark();
    advance(50);
    EXPECT_TRUE(drawn(Drawing::Kind::Pie).empty());
    EXPECT_EQ(soundsSince(tick), (std::vector<QString>{"mmcPu: flag=False", "mmcPu: sound"}));
    EXPECT_EQ(s.Line1[1]->p1().x(), 1);

    // Tick 2 draws the slice and hands over to the shot, silently.
    tick = soundMark();
    advance(50);
    const auto pies = drawn(Drawing::Kind::Pie);
    ASSERT_EQ(pies.size(), 1u);
    EXPECT_NEAR(pies[0].startDeg, kZeroEdge, 1e-6);
    EXPECT_EQ(pies[0].endDeg, 10);
    EXPECT_EQ(pies[0].radius, 35);
    EXPECT_EQ(pies[0].colour, kRed);
    EXPECT_EQ(pies[0].from, QPointF(0, 0));
    EXPECT_TRUE(soundsSince(tick).empty());
    EXPECT_FALSE(s.tmrOugi->enabled());
    EXPECT_TRUE(s.tmrS->enabled());
    EXPECT_EQ(s.Line1[1]->p1().x(), 33);

    // Five growing steps, the shot sound on the first.
    for (int step = 0; step < 5; ++step) {
        tick = soundMark();
        advance(50);
        const double len = 70 + 60 * step;
        EXPECT_EQ(s.Line2->p1(), QPointF(0, 0));
        EXPECT_NEAR(s.Line2->p2().x(), AngleX(len, 10), 1e-3) << step;
        EXPECT_NEAR(s.Line2->p2().y(), AngleY(len, 10), 1e-3) << step;
        EXPECT_TRUE(s.Line2->visible());
        EXPECT_EQ(soundsSince(tick).size(), step == 0 ? 2u : 0u);
        EXPECT_TRUE(s.tmrS->enabled());
    }
    // The sixth step, 300 ms after the fan, judges.
    tick = soundMark();
    advance(49);
    EXPECT_TRUE(soundsSince(tick).empty());
    advance(1);
    EXPECT_FALSE(s.tmrS->enabled());
    EXPECT_NEAR(s.Line2->p2().x(), AngleX(310, 10), 1e-3);
    EXPECT_EQ(s.lblHitMsg->caption(), "ミス !!");
}

TEST_F(ShotTest, OneEightySweepsEighteenSlicesUpToOneEighty) {
    PlayProbe& s = restartEmpty(1, 1);
    const auto mark = soundMark();
    fire(180);
    EXPECT_EQ(advanceToJudgement(), 19 * 50 + 300);
    const auto pies = drawn(Drawing::Kind::Pie);
    // The judgement's redraw is only at the next round; a miss keeps the fan on the field.
    ASSERT_EQ(pies.size(), 18u);
    EXPECT_NEAR(pies.back().startDeg, 153, 1e-3);
    EXPECT_EQ(pies.back().endDeg, 180);
    EXPECT_EQ(count(soundsSince(mark), "mmcPu: sound"), 18);
    EXPECT_EQ(s.Line1[1]->p1().x(), 1);
}

TEST_F(ShotTest, StageTwoOpensFromTheLeftPointingLine) {
    restartEmpty(1, 2);
    fire(30);
    EXPECT_EQ(advanceToJudgement(), 4 * 50 + 300);
    const auto pies = drawn(Drawing::Kind::Pie);
    ASSERT_EQ(pies.size(), 3u);
    EXPECT_EQ(std::pair(pies[0].startDeg, pies[0].endDeg), std::pair(170.0, 180.0));
    EXPECT_EQ(std::pair(pies[1].startDeg, pies[1].endDeg), std::pair(160.0, 171.0));
    EXPECT_EQ(std::pair(pies[2].startDeg, pies[2].endDeg), std::pair(150.0, 162.0));
    EXPECT_EQ(play().Line1[1]->p1().x(), 33);
}

TEST_F(ShotTest, StageThreeCountingClockwiseSweepsThroughZero) {
    PlayProbe& s = restartEmpty(1, 3);
    s.round.mLineAngle = 20;
    s.round.mLineDir = -1;
    fire(40);
    advanceToJudgement();
    const auto pies = drawn(Drawing::Kind::Pie);
    ASSERT_EQ(pies.size(), 4u);
    EXPECT_EQ(std::pair(pies[0].startDeg, pies[0].endDeg), std::pair(10.0, 20.0));
    EXPECT_NEAR(pies[1].startDeg, kZeroEdge, 1e-6);
    EXPECT_EQ(pies[1].endDeg, 11);
    EXPECT_EQ(std::pair(pies[2].startDeg, pies[2].endDeg), std::pair(350.0, 360.0));
    EXPECT_EQ(std::pair(pies[3].startDeg, pies[3].endDeg), std::pair(340.0, 360.0));
    // The shot flies at 20 - 40 = -20 degrees.
    EXPECT_NEAR(s.Line2->p2().y(), AngleY(310, -20), 1e-3);
    // The strand is only shortened beside the fixed red lines.
    EXPECT_EQ(s.Line1[1]->p1().x(), 1);
}

TEST_F(ShotTest, WideFanLeavesTheUpperStrandWhole) {
    for (auto [stage, angle, x] : {std::tuple{1, 40, 33}, {1, 50, 1}, {2, 40, 33}, {2, 50, 1}}) {
        SCOPED_TRACE(testing::Message() << "stage " << stage << " angle " << angle);
        PlayProbe& s = restartEmpty(1, stage);
        fire(angle);
        advanceToJudgement();
        EXPECT_EQ(s.Line1[1]->p1().x(), x);
        s.RedrawField();
        EXPECT_EQ(s.Line1[1]->p1().x(), 1);
    }
}

TEST_F(ShotTest, BonusHitsScoreAndStandTheirLabelBesideTheInvader) {
    struct Case {
        int stage, rel, dist, points;
        QColor colour;
        int dx, dy;  // label corner from the invader, on screen
    };
    const Case cases[] = {
        {1, 30, 240, 1000, kCyan, 12, -7},   {1, 60, 160, 3000, QColor(0, 255, 0), 12, -7},
        {1, 90, 100, 5000, kYellow, 12, -7}, {1, 180, 40, 9000, kWhite, -20, -16},
        {2, 90, 100, 5000, kYellow, 12, -7}, {2, 180, 40, 9000, kWhite, -20, -16},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "stage " << c.stage << " rel " << c.rel);
        state.gScore = 300;
        PlayProbe& s = restartEmpty(1, c.stage);
        pin(0, c.rel, c.dist);
        fire(c.rel);
        advanceToJudgement();
        EXPECT_EQ(state.gScore, 300 + c.points);
        EXPECT_EQ(s.lblScore->caption(), QString::number(300 + c.points));
        EXPECT_TRUE(s.lblHitPoint->isVisibleTo(&s.screen));
        EXPECT_EQ(s.lblHitPoint->caption(), QString::number(c.points));
        EXPECT_EQ(s.lblHitPoint->foreground(), c.colour);
        const QPoint p = onScreen(AngleX(c.dist, c.rel), AngleY(c.dist, c.rel));
        EXPECT_EQ(s.lblHitPoint->pos(), p + QPoint(c.dx, c.dy));
    }
}

TEST_F(ShotTest, OrdinaryHitsScoreTheLevelsPoints) {
    struct Case {
        int level, dist;
        std::vector<float> draws;
        int points;
        bool label;
        QColor colour;
    };
    const Case cases[] = {
        {1, 40, {}, 20, false, kRed},
        {1, 260, {}, 50, false, kCyan},
        {2, 160, {}, 60, true, QColor(0, 255, 0)},
        {2, 260, {0.99f}, 100, true, kCyan},
        {3, 100, {}, 70, true, kYellow},
        {3, 160, {0.3f}, 110, true, QColor(0, 255, 0)},
        {3, 260, {0.25f}, 200, true, kCyan},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "level " << c.level << " dist " << c.dist);
        state.gScore = 300;
        PlayProbe& s = restartEmpty(c.level, 1);
        pin(0, 40, c.dist);
        fire(40);
        clock.advanceUntil([&] { return s.tmrS->enabled(); }, 2000);
        draws().script(c.draws);
        advanceToJudgement();
        EXPECT_EQ(draws().scriptLeft(), 0u);
        EXPECT_EQ(state.gScore, 300 + c.points);
        EXPECT_EQ(s.lblHitPoint->isVisibleTo(&s.screen), c.label);
        if (c.label) {
            EXPECT_EQ(s.lblHitPoint->caption(), QString::number(c.points));
            EXPECT_EQ(s.lblHitPoint->foreground(), c.colour);
            EXPECT_EQ(s.lblHitPoint->pos(),
                      onScreen(AngleX(c.dist, 40), AngleY(c.dist, 40)) + QPoint(12, -7));
        }
    }
}

TEST_F(ShotTest, HitStopsTheTargetShowsItsBurstAndCountsDown) {
    PlayProbe& s = restartEmpty(1, 1);
    pin(0, 70, 200);
    s.tmrInv[0]->setEnabled(true);
    fire(70);
    const auto mark = soundMark();
    advanceToJudgement();
    EXPECT_FALSE(s.tmrInv[0]->enabled());
    EXPECT_EQ(s.imgInv[0]->pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
              state.gInvPictures[2][2].convertToFormat(QImage::Format_ARGB32));
    const auto sounds = soundsSince(mark);
    EXPECT_EQ(count(sounds, "mmcPyu: sound"), 1);
    EXPECT_EQ(count(sounds, "mmcDen: play"), 0);
    EXPECT_EQ(round().gRest, 9);
    EXPECT_EQ(s.lblRest->caption(), "9");
    EXPECT_EQ(round().gLastAngle1, 70);
    EXPECT_EQ(round().gLastAngle2, 90);
    EXPECT_EQ(round().gLastAngle3, 10);
    EXPECT_TRUE(s.model.busy());
    EXPECT_TRUE(s.tmrAfterHit->enabled());
    EXPECT_EQ(s.lblHitMsg->caption(), "命中 !!");
    EXPECT_EQ(s.lblHitAngle->caption(), "70゜");
}

TEST_F(ShotTest, MessageStandsOnTheFansBisectorAsSeenInEveryStage) {
    struct Case {
        int stage, lineAngle, lineDir, angle;
        double bisector;
    };
    const Case cases[] = {{1, 0, 1, 40, 20},
                          {2, 0, 1, 40, 20},
                          {1, 0, 1, 170, 85},
                          {3, 100, -1, 50, 75},
                          {3, 30, 1, 30, 45}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "stage " << c.stage << " angle " << c.angle);
        PlayProbe& s = restartEmpty(1, c.stage);
        s.round.mLineAngle = c.lineAngle;
        s.round.mLineDir = c.lineDir;
        fire(c.angle);
        advanceToJudgement();
        const QPoint q = onScreen(AngleX(130, c.bisector), AngleY(130, c.bisector));
        EXPECT_TRUE(s.lblHitMsg->isVisibleTo(&s.screen));
        EXPECT_TRUE(s.lblHitAngle->isVisibleTo(&s.screen));
        EXPECT_EQ(s.lblHitMsg->pos(), q + QPoint(-60, -60));
        EXPECT_EQ(s.lblHitAngle->pos(), q + QPoint(-60, -21));
        EXPECT_EQ(s.lblHitMsg->caption(), "ミス !!");
        EXPECT_EQ(s.lblHitAngle->caption(), QString::number(c.angle) + "゜");
    }
}

TEST_F(ShotTest, MissBurstsAtTheShotsEnd) {
    PlayProbe& s = restartEmpty(1, 1);
    fire(50);
    clock.advanceUntil([&] { return s.tmrS->enabled(); }, 2000);
    const std::size_t before = drawn(Drawing::Kind::Line).size();
    // Every angle and length at its largest.
    draws().script(std::vector<float>(148, kTopDraw));
    // Up to the fully grown line, one step before the judgement.
    const QPointF rim(AngleX(310, 50), AngleY(310, 50));
    clock.advanceUntil([&] { return QLineF(s.Line2->p2(), rim).length() < 1e-3; }, 2000);
    const auto mark = soundMark();
    advanceToJudgement();
    EXPECT_EQ(draws().scriptLeft(), 0u);
    const auto lines = drawn(Drawing::Kind::Line);
    ASSERT_EQ(lines.size(), before + 74);
    const QPointF end(AngleX(310, 50), AngleY(310, 50));
    for (std::size_t i = before; i < lines.size(); ++i) {
        const Drawing& ray = lines[i];
        EXPECT_NEAR(ray.from.x(), end.x(), 1e-3);
        EXPECT_NEAR(ray.from.y(), end.y(), 1e-3);
        EXPECT_EQ(ray.colour, kRed);
        const double len = std::hypot(ray.to.x() - ray.from.x(), ray.to.y() - ray.from.y());
        EXPECT_NEAR(len, i - before < 61 ? 8 : 16, 1e-3) << i - before;
    }
    EXPECT_EQ(soundsSince(mark),
              (std::vector<QString>{"mmcDen: flag=False", "mmcDen: prev", "mmcDen: play"}));
}

TEST_F(ShotTest, MissBurstLengthsKeepTheirRanges) {
    PlayProbe& s = start(1, 1);
    s.DrawMissBurst(10, 20);
    const auto lines = drawn(Drawing::Kind::Line);
    ASSERT_GE(lines.size(), 74u);
    for (std::size_t i = lines.size() - 74; i < lines.size(); ++i) {
        const double len = std::hypot(lines[i].to.x() - 10, lines[i].to.y() - 20);
        const bool shortRay = i < lines.size() - 13;
        EXPECT_EQ(lines[i].from, QPointF(10, 20));
        EXPECT_GE(len, shortRay ? -1e-3 : 9 - 1e-3);
        EXPECT_LE(len, shortRay ? 8 + 1e-3 : 16 + 1e-3);
    }
}

TEST_F(ShotTest, MissCostsThirtyAndLetsThePlayerTypeAtOnce) {
    PlayProbe& s = restartEmpty(1, 1);
    state.gScore = 31;
    fire(50);
    advanceToJudgement();
    EXPECT_EQ(state.gScore, 1);
    EXPECT_EQ(s.lblScore->caption(), "1");
    EXPECT_FALSE(s.model.busy());
    EXPECT_EQ(round().gInputAngle, 0);
    EXPECT_EQ(s.lblAngle->caption(), "0");
    EXPECT_TRUE(s.tmrAfterMiss->enabled());
    EXPECT_FALSE(s.tmrGameOver1->enabled());
    EXPECT_EQ(round().gRest, 10);
    type("2");
    EXPECT_EQ(round().gInputAngle, 2);
}

TEST_F(ShotTest, MissWithThirtyLeftEndsTheGame) {
    PlayProbe& s = restartEmpty(1, 1);
    pin(0, 120, 200);
    state.gScore = 30;
    fire(50);
    advanceToJudgement();
    EXPECT_EQ(state.gScore, 0);
    EXPECT_EQ(s.lblScore->caption(), "0");
    EXPECT_TRUE(s.model.busy());
    EXPECT_FALSE(s.tmrAfterMiss->enabled());
    EXPECT_TRUE(s.tmrGameOver1->enabled());
    EXPECT_FALSE(s.lblHitMsg->isVisibleTo(&s.screen));
}
