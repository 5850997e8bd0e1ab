#include <cmath>
#include <set>

#include "play/placement_rules.h"
#include "play/play_state.h"
#include "state/angles.h"
#include "state/random_source.h"
#include "support/play_fixture.h"
#include "support/scripted_picker.h"

namespace {

using Angles = std::set<int>;

Angles multiplesOf10(int lo, int hi, const Angles& except) {
    Angles all;
    for (int a = lo; a <= hi; a += 10) {
        if (!except.contains(a)) {
            all.insert(a);
        }
    }
    return all;
}

double radiusOf(QPointF p) {
    return std::hypot(p.x(), p.y());
}

// The direction of a field vector in degrees, 0 to 360.
double directionOf(QPointF v) {
    const double deg = std::atan2(v.y(), v.x()) * 180.0 / M_PI;
    return deg < 0 ? deg + 360 : deg;
}

double normalised(double deg) {
    return std::fmod(std::fmod(deg, 360.0) + 360.0, 360.0);
}

std::vector<Drawing> drawingsOf(const FieldCanvas& field, Drawing::Kind kind, const QColor& c) {
    std::vector<Drawing> found;
    for (const Drawing& d : field.displayList()) {
        if (d.kind == kind && d.colour == c) {
            found.push_back(d);
        }
    }
    return found;
}

const QColor kWhiteInk(255, 255, 255);
const QColor kCyanInk(0, 255, 255);

}  // namespace

using PlacementTest = PlayFixture;

TEST_F(PlacementTest, SingleInvaderCoversItsRangeExceptTheRememberedAngles) {
    struct Case {
        int level, stage, hi;
    };
    // Stage 3 at the lower levels stops at 170: an invader at 180 could stand behind the line.
    const Case cases[] = {{1, 1, 180}, {1, 2, 180}, {2, 1, 180}, {1, 3, 170}, {2, 3, 170}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "level " << c.level << " stage " << c.stage);
        PlayProbe& s = restart(c.level, c.stage);
        round().gLastAngle1 = 50;
        round().gLastAngle2 = 60;
        round().gLastAngle3 = 70;
        Angles seen;
        for (int n = 0; n < 400; ++n) {
            s.NextRound();
            seen.insert(round().gInvAngle[0]);
            EXPECT_EQ(round().gInvDist[0], 290);
            EXPECT_EQ(round().gInvAngle[1], 999);
            EXPECT_EQ(round().gInvAngle[2], 999);
        }
        EXPECT_EQ(seen, multiplesOf10(10, c.hi, {50, 60, 70}));
    }
}

TEST_F(PlacementTest, FirstRoundOfAStageAvoidsTheStartAngles) {
    for (int stage = 1; stage <= 3; ++stage) {
        PlayProbe& s = restart(1, stage);
        for (int n = 0; n < 100; ++n) {
            s.InitPlayScreen();
            const int a = round().gInvAngle[0];
            EXPECT_TRUE(a >= 20 && a <= 170 && a != 90) << "stage " << stage << ": " << a;
        }
    }
}

TEST_F(PlacementTest, ThreeInvadersAreDistinctAndAvoidOnlyTheLastAngleHit) {
    for (int stage : {1, 3}) {
        PlayProbe& s = restart(3, stage);
        round().gLastAngle1 = 40;
        round().gLastAngle2 = 60;
        round().gLastAngle3 = 70;
        Angles seen;
        for (int n = 0; n < 200; ++n) {
            s.NextRound();
            const Angles round3(round().gInvAngle.begin(), round().gInvAngle.end());
            EXPECT_EQ(round3.size(), 3u);
            seen.insert(round3.begin(), round3.end());
            EXPECT_EQ(round().gInvDist, (std::array<Int16, 3>{290, 290, 290}));
            EXPECT_EQ(s.model.nearSlot(), 0);
        }
        EXPECT_EQ(seen, multiplesOf10(10, 180, {40})) << "stage " << stage;
    }
}

TEST(PlacementRules, RefillAvoidsEveryCurrentAngleIncludingItsOwn) {
    PlayState g;
    g.gInvAngle = {30, 60, 90};
    g.gInvDist = {100, 50, 200};
    g.gTarget = 1;
    g.gLastAngle1 = 120;
    SeededRandom rnd(1);
    ScriptedPicker picker(rnd);
    picker.queue({120});
    PlaceOrRefillThree(g, picker, {kTensGrid, {}, 3, 1, {}});
    ASSERT_EQ(picker.asked().size(), 1u);
    EXPECT_EQ(picker.asked()[0].avoid, (std::array<int, 3>{30, 60, 90}));
    EXPECT_EQ(g.gInvAngle, (std::array<Int16, 3>{30, 120, 90}));
    EXPECT_EQ(g.gInvDist, (std::array<Int16, 3>{100, 290, 200}));
}

TEST_F(PlacementTest, NearTheStageEndAHitSlotIsRetiredWhileTheOthersWalkOn) {
    PlayProbe& s = start(3, 1);
    round().gRest = 3;
    fire(answerFor(0));
    ASSERT_EQ(round().gTarget, 0);
    runUntilReady();
    ASSERT_FALSE(s.model.busy());
    EXPECT_EQ(round().gRest, 2);
    EXPECT_EQ(round().gInvAngle[0], 185);
    EXPECT_EQ(round().gTarget, 999);
    EXPECT_FALSE(s.tmrInv[0]->enabled());
    EXPECT_TRUE(s.tmrInv[1]->enabled());
    EXPECT_TRUE(s.tmrInv[2]->enabled());
    const auto before = round().gInvDist;
    advance(3000);
    EXPECT_EQ(round().gInvAngle[0], 185);
    EXPECT_FALSE(s.imgInv[0]->isVisibleTo(&s.screen));
    EXPECT_LT(round().gInvDist[1], before[1]);
    EXPECT_LT(round().gInvDist[2], before[2]);
    EXPECT_FALSE(s.model.busy());
}

TEST_F(PlacementTest, StageThreeTurnsTheLineAndShowsTheWayToCount) {
    struct Case {
        int line, invader;
        const char* word;
        int dir;
        double arcFrom, arcTo;
        int answer;
        bool wordLeftOfArc;
    };
    const Case cases[] = {
        {90, 40, "右へ", -1, 80, 90, 50, false},    {90, 120, "左へ", 1, 90, 100, 30, true},
        {170, 10, "右へ", -1, 160, 170, 160, true}, {40, 20, "右へ", -1, 30, 40, 20, false},
        {20, 60, "左へ", 1, 20, 30, 40, false},
    };
    PlayProbe& s = start(2, 3);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "line " << c.line << ", invader " << c.invader);
        round().gLastAngle1 = c.line;
        round().gLastAngle2 = 0;
        round().gLastAngle3 = 0;
        queueAngles({c.invader});
        s.NextRound();
        ASSERT_EQ(round().gInvAngle[0], c.invader);
        EXPECT_EQ(s.model.lineAngle(), c.line);
        EXPECT_EQ(s.model.lineDir(), c.dir);
        EXPECT_EQ(answerFor(0), c.answer);

        EXPECT_NEAR(radiusOf(s.Line1[0]->p2()), 310, 0.01);
        EXPECT_NEAR(directionOf(s.Line1[0]->p2()), c.line, 0.01);

        const auto arcs = drawingsOf(*s.picMain, Drawing::Kind::Arc, kWhiteInk);
        ASSERT_EQ(arcs.size(), 1u);
        EXPECT_EQ(arcs[0].radius, 250);
        EXPECT_EQ(arcs[0].from, QPointF(0, 0));
        EXPECT_EQ(arcs[0].startDeg, c.arcFrom);
        EXPECT_EQ(arcs[0].endDeg, c.arcTo);

        // The arrowhead sits on the far end of the arc, its strokes opening back along it.
        const auto strokes = drawingsOf(*s.picMain, Drawing::Kind::Line, kWhiteInk);
        ASSERT_EQ(strokes.size(), 2u);
        const double tipAngle = c.line + 10 * c.dir;
        const double strokeAngles[] = {c.dir < 0 ? c.line + 55.0 : c.line - 55.0,
                                       c.dir < 0 ? c.line + 115.0 : c.line + 245.0};
        for (int i = 0; i < 2; ++i) {
            EXPECT_NEAR(radiusOf(strokes[i].from), 250, 0.01);
            EXPECT_NEAR(directionOf(strokes[i].from), normalised(tipAngle), 0.01);
            const QPointF v = strokes[i].to - strokes[i].from;
            EXPECT_NEAR(radiusOf(v), 10, 0.01);
            EXPECT_NEAR(directionOf(v), normalised(strokeAngles[i]), 0.01);
        }

        EXPECT_TRUE(s.lblArw->isVisibleTo(&s.screen));
        EXPECT_EQ(s.lblArw->caption(), c.word);
        const double mid = c.line + 5 * c.dir;
        const QPointF midOnScreen = s.picMain->toScreen(AngleX(250, mid), AngleY(250, mid));
        const QPoint label = s.lblArw->pos() - QPoint(FieldCanvas::kBorder, FieldCanvas::kBorder);
        EXPECT_NEAR(label.x(), midOnScreen.x() - (c.wordLeftOfArc ? 26 : 0), 1);
        EXPECT_NEAR(label.y(), midOnScreen.y() - 14, 1);

        // The answer shown by the arrow is the one that hits.
        fire(c.answer);
        EXPECT_EQ(round().gTarget, 0);
        EXPECT_FALSE(s.lblArw->isVisibleTo(&s.screen));
    }
}

TEST_F(PlacementTest, LevelThreeStageThreeCountsTowardsTheNearestInvader) {
    queueAngles({130, 30, 60});
    PlayProbe& s = start(3, 3);
    ASSERT_EQ(round().gInvAngle, (std::array<Int16, 3>{130, 30, 60}));
    EXPECT_EQ(s.model.lineAngle(), 90);
    // All three start at the same distance; the lowest slot counts as the nearest.
    EXPECT_EQ(s.model.lineDir(), 1);
    EXPECT_EQ(s.lblArw->caption(), "左へ");
    fire(40);
    EXPECT_EQ(round().gTarget, 0);
}

TEST_F(PlacementTest, ProtractorMarksAtLevelOne) {
    PlayProbe& s = start(1, 1);
    const std::vector<Drawing>& all = s.picMain->displayList();
    ASSERT_EQ(all.size(), 1u + 19 + 3 + 181 + 19 + 3);

    const auto cyanArcs = drawingsOf(*s.picMain, Drawing::Kind::Arc, kCyanInk);
    ASSERT_EQ(cyanArcs.size(), 1u);
    EXPECT_EQ(cyanArcs[0].radius, 70);
    EXPECT_EQ(cyanArcs[0].startDeg, 0);
    EXPECT_EQ(cyanArcs[0].endDeg, 180);

    // Radial lines: how many at each (colour, inner radius, outer radius), and at which angles.
    struct Ray {
        QColor colour;
        int r1, r2;
        int step;
    };
    const Ray rays[] = {{kCyanInk, 17, 70, 10},
                        {kCyanInk, 0, 76, 90},
                        {kWhiteInk, 300, 311, 10},
                        {kWhiteInk, 290, 311, 90}};
    for (const Ray& ray : rays) {
        SCOPED_TRACE(testing::Message() << ray.r1 << ".." << ray.r2);
        Angles angles;
        for (const Drawing& d : drawingsOf(*s.picMain, Drawing::Kind::Line, ray.colour)) {
            if (std::lround(radiusOf(d.from)) == ray.r1 && std::lround(radiusOf(d.to)) == ray.r2) {
                angles.insert(static_cast<int>(std::lround(directionOf(d.to))) % 360);
            }
        }
        Angles want;
        for (int a = 0; a <= 180; a += ray.step) {
            want.insert(a);
        }
        EXPECT_EQ(angles, want);
    }

    Angles rim;
    for (const Drawing& d : drawingsOf(*s.picMain, Drawing::Kind::Point, kWhiteInk)) {
        EXPECT_NEAR(radiusOf(d.from), 310, 0.01);
        rim.insert(static_cast<int>(std::lround(directionOf(d.from))) % 360);
    }
    EXPECT_EQ(rim.size(), 181u);
    EXPECT_EQ(*rim.rbegin(), 180);
}

TEST_F(PlacementTest, MarksComeBackAfterEveryRedrawAtLevelOneOnly) {
    PlayProbe& s = start(1, 1);
    const std::size_t marks = s.picMain->displayList().size();
    s.RedrawField();
    EXPECT_EQ(s.picMain->displayList().size(), marks);
    restart(2, 1);
    EXPECT_TRUE(s.picMain->displayList().empty());
}

// Invader images: after the first step each one stands centred on its point, in the colour of
// its distance band.
class InvaderImageTest : public PlayFixture,
                         public testing::WithParamInterface<std::pair<int, int>> {};

TEST_P(InvaderImageTest, ImagesAreCentredOnTheirInvadersInTheirBandColour) {
    const auto [level, stage] = GetParam();
    PlayProbe& s = start(level, stage);
    advance(400);
    int placed = 0;
    for (int i = 0; i < 3; ++i) {
        if (round().gInvAngle[i] == 999) {
            EXPECT_FALSE(s.imgInv[i]->isVisibleTo(&s.screen));
            continue;
        }
        ++placed;
        SCOPED_TRACE(testing::Message() << "slot " << i << " at " << round().gInvAngle[i]);
        const int a = round().gInvAngle[i];
        ASSERT_TRUE(s.imgInv[i]->isVisibleTo(&s.screen));
        const QPointF centre = s.picMain->toScreen(AngleX(290, a), AngleY(290, a));
        const QPoint corner =
            s.imgInv[i]->pos() - QPoint(FieldCanvas::kBorder, FieldCanvas::kBorder);
        EXPECT_NEAR(corner.x(), centre.x() - 16, 1);
        EXPECT_NEAR(corner.y(), centre.y() - 16, 1);
        EXPECT_EQ(s.imgInv[i]->size(), QSize(32, 32));
        EXPECT_EQ(s.imgInv[i]->pixmap().toImage(),
                  QPixmap::fromImage(state.gInvPictures[3][0]).toImage());
    }
    EXPECT_EQ(placed, level == 3 ? 3 : 1);
}

INSTANTIATE_TEST_SUITE_P(EveryStage, InvaderImageTest,
                         testing::Values(std::pair{1, 1}, std::pair{1, 2}, std::pair{1, 3},
                                         std::pair{3, 1}, std::pair{3, 2}, std::pair{3, 3}));

TEST_F(PlacementTest, AnInvaderChangesColourByBandAndAlternatesItsFrames) {
    PlayProbe& s = start(2, 1);
    advance(400);
    const std::pair<int, int> distanceToBand[] = {{226, 3}, {224, 2}, {150, 2}, {149, 1},
                                                  {75, 1},  {74, 0},  {40, 0}};
    int lastFrame = -1;
    for (auto [distance, band] : distanceToBand) {
        SCOPED_TRACE(testing::Message() << "distance " << distance);
        round().gInvDist[0] = distance;
        advance(s.tmrInv[0]->interval());
        EXPECT_EQ(round().gInvDist[0], distance - 3);
        const QImage shown = s.imgInv[0]->pixmap().toImage();
        const auto frameImage = [&](int f) {
            return QPixmap::fromImage(state.gInvPictures[band][f]).toImage();
        };
        const int frame = shown == frameImage(0) ? 0 : 1;
        EXPECT_EQ(shown, frameImage(frame));
        // The frames alternate step by step.
        EXPECT_NE(frame, lastFrame);
        lastFrame = frame;
    }
}
