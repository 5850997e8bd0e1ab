#include "play/approach_rules.h"
#include "state/angles.h"
#include "support/play_steps.h"

TEST(ApproachRules, IntervalOfEveryRow) {
    struct Case {
        int level, slot, nearSlot, rest, angle, d, interval;
    };
    const Case cases[] = {
        {1, 0, 0, 5, 50, 290, 1160},  // an ordinary invader
        {2, 0, 0, 5, 170, 290, 1160},
        {1, 0, 0, 5, 90, 290, 96},
        {2, 0, 0, 5, 180, 290, 96},
        {1, 0, 0, 5, 10, 290, 290},
        {2, 0, 0, 5, 10, 100, 100},
        {1, 0, 0, 1, 50, 290, 96},  // the stage's last invader is always fast
        {2, 0, 0, 1, 10, 290, 96},
        {1, 0, 0, 1, 90, 23, 7},
        {3, 1, 1, 5, 50, 290, 435},  // the nearest invader at level 3
        {3, 1, 1, 5, 50, 23, 34},
        {3, 0, 1, 5, 50, 290, 580},
        {3, 2, 1, 1, 90, 290, 580},  // neither angle nor the last invader count at level 3
        {3, 1, 1, 1, 10, 101, 151},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ApproachInterval(c.level, c.slot, c.nearSlot, c.rest, c.angle, c.d), c.interval)
            << "level " << c.level << " slot " << c.slot << " rest " << c.rest << " angle "
            << c.angle << " d " << c.d;
    }
}

using ApproachTest = PlayStepsTest;

namespace {
QImage argb(const QImage& image) {
    return image.convertToFormat(QImage::Format_ARGB32);
}
}  // namespace

TEST_F(ApproachTest, EachStepTakesTheIntervalOfItsDistance) {
    struct Case {
        int level, rest, angle, first, second;
    };
    const Case cases[] = {
        {1, 10, 50, 1160, 1148}, {1, 10, 90, 96, 95}, {2, 10, 180, 96, 95},
        {1, 10, 10, 290, 287},   {2, 1, 50, 96, 95},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "level " << c.level << " rest " << c.rest << " angle " << c.angle);
        PlayProbe& s = restartEmpty(c.level, 1);
        round().gRest = c.rest;
        pin(0, c.angle, 290);
        s.tmrInv[0]->setInterval(400);
        s.tmrInv[0]->setEnabled(true);
        advance(399);
        EXPECT_EQ(round().gInvDist[0], 290);
        advance(1);
        EXPECT_EQ(round().gInvDist[0], 287);
        EXPECT_EQ(s.tmrInv[0]->interval(), c.first);
        advance(c.first - 1);
        EXPECT_EQ(round().gInvDist[0], 287);
        advance(1);
        EXPECT_EQ(round().gInvDist[0], 284);
        EXPECT_EQ(s.tmrInv[0]->interval(), c.second);
    }
}

TEST_F(ApproachTest, AtLevelThreeTheNearestWalksFaster) {
    PlayProbe& s = restartEmpty(3, 1);
    pin(0, 40, 290);
    pin(1, 80, 200);
    pin(2, 120, 260);
    s.round.mNearSlot = 1;
    for (auto& timer : s.tmrInv) {
        timer->setInterval(400);
        timer->setEnabled(true);
    }
    const auto mark = soundMark();
    advance(400);
    EXPECT_EQ(s.tmrInv[0]->interval(), 580);
    EXPECT_EQ(s.tmrInv[1]->interval(), 300);
    EXPECT_EQ(s.tmrInv[2]->interval(), 520);
    // Only the nearest invader is heard.
    const auto sounds = soundsSince(mark);
    EXPECT_EQ(count(sounds, "mmcBu(0): sound") + count(sounds, "mmcBu(1): sound"), 1);
    advance(300);
    EXPECT_EQ(round().gInvDist[1], 194);
    EXPECT_EQ(round().gInvDist[0], 287);
}

TEST_F(ApproachTest, ColourFollowsTheBandAndFramesAlternate) {
    PlayProbe& s = restartEmpty(1, 1);
    round().gRest = 1;  // fast
    pin(0, 90, 230);
    s.tmrInv[0]->setEnabled(true);
    int frame = -1;
    std::vector<int> bandChanges;
    int lastBand = 3;
    while (round().gInvDist[0] > 18) {
        const int d = round().gInvDist[0];
        clock.advanceUntil([&] { return round().gInvDist[0] != d; }, 2000);
        ASSERT_EQ(round().gInvDist[0], d - 3);
        const int band = d / 75;
        const auto shown = argb(s.imgInv[0]->pixmap().toImage());
        if (frame < 0) {
            frame = shown == argb(state.gInvPictures[band][0]) ? 0 : 1;
        }
        EXPECT_EQ(shown, argb(state.gInvPictures[band][frame])) << d;
        // The image shows where the invader stood before the step, centred on it.
        EXPECT_EQ(s.imgInv[0]->pos() + QPoint(16, 16), onScreen(AngleX(d, 90), AngleY(d, 90)));
        EXPECT_TRUE(s.imgInv[0]->isVisibleTo(&s.screen));
        if (band != lastBand) {
            bandChanges.push_back(d);
            lastBand = band;
        }
        frame = 1 - frame;
    }
    // From 230 in steps of 3: the first distance below 225, 150 and 75.
    EXPECT_EQ(bandChanges, (std::vector<int>{224, 149, 74}));
}

TEST_F(ApproachTest, ImagesSitOnTheMirroredFieldCentredOnTheirPoints) {
    for (int stage : {1, 2}) {
        PlayProbe& s = restartEmpty(1, stage);
        pin(0, 30, 200);
        s.tmrInv[0]->setEnabled(true);
        clock.advanceUntil([&] { return round().gInvDist[0] != 200; }, 2000);
        EXPECT_EQ(s.imgInv[0]->pos() + QPoint(16, 16), onScreen(AngleX(200, 30), AngleY(200, 30)))
            << stage;
        EXPECT_EQ(s.imgInv[0]->size(), QSize(32, 32));
    }
}

TEST_F(ApproachTest, ReachingEighteenEndsTheGame) {
    PlayProbe& s = restartEmpty(1, 1);
    pin(0, 60, 22);
    s.tmrInv[0]->setEnabled(true);
    clock.advanceUntil([&] { return round().gInvDist[0] != 22; }, 2000);
    EXPECT_EQ(round().gInvDist[0], 19);
    EXPECT_TRUE(s.tmrInv[0]->enabled());
    EXPECT_FALSE(s.tmrGameOver1->enabled());
    const auto mark = soundMark();
    clock.advanceUntil([&] { return round().gInvDist[0] != 19; }, 2000);
    EXPECT_EQ(round().gInvDist[0], 16);
    EXPECT_FALSE(s.tmrInv[0]->enabled());
    EXPECT_TRUE(s.imgInv[0]->isVisibleTo(&s.screen));
    EXPECT_TRUE(s.tmrGameOver1->enabled());
    EXPECT_FALSE(s.tmrWatch->enabled());
    EXPECT_TRUE(s.model.busy());
    EXPECT_EQ(s.mBgmLoop, 0);
    const auto sounds = soundsSince(mark);
    EXPECT_EQ(sounds, (std::vector<QString>{"mmcMidi: stop", "mmcMidi: close"}));
}

TEST_F(ApproachTest, ArrivalDuringTheFanOrTheFlightStopsTheShot) {
    for (bool inFlight : {false, true}) {
        SCOPED_TRACE(inFlight ? "flight" : "fan");
        PlayProbe& s = restartEmpty(1, 1);
        pin(0, 90, 40);
        s.tmrInv[0]->setInterval(inFlight ? 700 : 100);
        s.tmrInv[0]->setEnabled(true);
        round().gRest = 1;
        fire(120);  // 13 fan ticks: 650 ms, then the flight
        const auto mark = soundMark();
        clock.advanceUntil([&] { return s.tmrGameOver1->enabled(); }, 3000);
        ASSERT_TRUE(s.tmrGameOver1->enabled());
        EXPECT_EQ(s.tmrS->enabled() || s.tmrOugi->enabled(), false);
        EXPECT_EQ(round().gInputAngle, 0);
        EXPECT_EQ(s.lblAngle->caption(), "0");
        EXPECT_FALSE(s.cmdShoot->isVisibleTo(&s.screen));
        // The shot is never judged.
        advance(3000);
        const auto sounds = soundsSince(mark);
        EXPECT_EQ(count(sounds, "mmcPyu: sound"), 0);
        EXPECT_EQ(count(sounds, "mmcMidi: stop"), 1);
        EXPECT_EQ(state.gScore, 300);
        EXPECT_EQ(round().gRest, 1);

        // After a continue the next shot starts from its first tick: the set-up tick draws
        // nothing, the slice follows, then the shot is heard.
        restartEmpty(1, 1);
        fire(10);
        const std::size_t pies = drawn(Drawing::Kind::Pie).size();
        const auto next = soundMark();
        advance(50);
        EXPECT_EQ(drawn(Drawing::Kind::Pie).size(), pies);
        advance(100);
        EXPECT_EQ(count(soundsSince(next), "mmcShoot: sound"), 1);
    }
}

TEST_F(ApproachTest, WalkingIsHeardOnlyWhileNotShooting) {
    PlayProbe& s = restartEmpty(1, 1);
    pin(0, 90, 290);
    s.tmrInv[0]->setInterval(96);
    s.tmrInv[0]->setEnabled(true);
    auto mark = soundMark();
    advance(96 * 2);
    // The two frames' footsteps alternate.
    const auto steps = soundsSince(mark);
    ASSERT_EQ(steps.size(), 4u);
    const QString first = steps[0].startsWith("mmcBu(0)") ? "mmcBu(0)" : "mmcBu(1)";
    const QString second = first == "mmcBu(0)" ? "mmcBu(1)" : "mmcBu(0)";
    EXPECT_EQ(steps, (std::vector<QString>{first + ": flag=False", first + ": sound",
                                           second + ": flag=False", second + ": sound"}));
    fire(20);
    mark = soundMark();
    advance(400);
    for (const QString& line : soundsSince(mark)) {
        EXPECT_FALSE(line.startsWith("mmcBu")) << line.toStdString();
    }
}

TEST_F(ApproachTest, GameOverMessageLabelsStandAtTheSameScreenPlaceInEveryStage) {
    for (int stage : {1, 2, 3}) {
        PlayProbe& s = restartEmpty(1, stage);
        pin(0, 90, 100);
        s.BeginGameOver();
        EXPECT_EQ(s.lblOverMsg[0]->pos(), QPoint(165, 83) + QPoint(2, 2)) << stage;
        EXPECT_EQ(s.lblOverMsg[1]->pos(), QPoint(205, 130) + QPoint(2, 2)) << stage;
        for (auto* label : s.lblOverMsg) {
            EXPECT_TRUE(label->isVisibleTo(&s.screen));
            EXPECT_EQ(label->caption(), "");
        }
    }
}
