#include <QImage>
#include <algorithm>
#include <set>

#include "art/colours.h"
#include "state/angles.h"
#include "support/play_steps.h"

// The teacher's settings that change play: practice, show-answer and calm.
class LessonPlayTest : public PlayStepsTest {
  protected:
    bool answerShown() { return play().lblAnswer->isVisibleTo(&play().screen); }
    // The answer's drawings on the field: its line and its arc.
    std::vector<Drawing> answerDrawn() {
        std::vector<Drawing> out;
        for (const Drawing& d : play().picMain->displayList()) {
            if (d.colour == kOrange) {
                out.push_back(d);
            }
        }
        return out;
    }
    // Whether a pixel near the field point shows the answer's colour.
    bool orangeNear(const QImage& field, double x, double y) {
        const QPoint at = onScreen(x, y);
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                if (field.pixelColor(at + QPoint(dx, dy)) == kOrange) {
                    return true;
                }
            }
        }
        return false;
    }
    // Whether the field shows its picture: blank, it shows its red back colour almost everywhere.
    bool fieldShowsPicture() {
        const QImage shown = play().picMain->grab().toImage().convertToFormat(QImage::Format_RGB32);
        int red = 0;
        int all = 0;
        for (int y = 0; y < shown.height(); y += 3) {
            for (int x = 0; x < shown.width(); x += 3) {
                red += shown.pixel(x, y) == kRed.rgb();
                ++all;
            }
        }
        return red * 2 < all;
    }
};

TEST_F(LessonPlayTest, InPracticeTheInvaderStandsAndAMissCostsNothing) {
    run.settings.practice = true;
    queueAngles({120});
    PlayProbe& s = start(1, 1);
    ASSERT_EQ(state.gInvAngle[0], 120);
    const int rest = state.gRest;
    const auto mark = soundMark();
    // Far longer than a walk to the Earth takes.
    advance(120000);
    EXPECT_EQ(state.gInvDist[0], 290);
    EXPECT_TRUE(s.imgInv[0]->isVisibleTo(&s.screen));
    EXPECT_EQ(s.imgInv[0]->pos() + QPoint(16, 16), onScreen(AngleX(290, 120), AngleY(290, 120)));
    EXPECT_EQ(
        count(soundsSince(mark), "mmcBu(0): sound") + count(soundsSince(mark), "mmcBu(1): sound"),
        0);

    // A miss that would cost the last points.
    state.gScore = 20;
    fire(100);
    runUntilReady();
    EXPECT_EQ(state.gScore, 20);
    EXPECT_EQ(s.lblScore->caption(), "20");
    EXPECT_EQ(state.gRest, rest);
    EXPECT_EQ(s.phase(), PlayPhase::Aiming);
    EXPECT_FALSE(s.tmrGameOver1->enabled());

    fire(120);
    runUntilReady();
    EXPECT_EQ(state.gRest, rest - 1);
    EXPECT_GT(state.gScore, 20);
}

TEST_F(LessonPlayTest, AMissShowsTheRightAngleUntilTheNextShot) {
    run.settings.showAnswer = true;
    queueAngles({120});
    PlayProbe& s = start(1, 1);
    fire(100);
    advanceToJudgement();
    EXPECT_TRUE(answerShown());
    EXPECT_EQ(s.lblAnswer->caption(), "せいかいは 120°　20° 小さい");
    std::vector<Drawing> drawn = answerDrawn();
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(drawn[0].kind, Drawing::Kind::Line);
    EXPECT_NEAR(drawn[0].to.x(), AngleX(310, 120), 1e-3);
    EXPECT_NEAR(drawn[0].to.y(), AngleY(310, 120), 1e-3);
    EXPECT_EQ(std::tuple(drawn[1].kind, drawn[1].startDeg, drawn[1].endDeg),
              std::tuple(Drawing::Kind::Arc, 0.0, 120.0));

    // It outlasts the miss follow-up's clearing of the field while the child thinks.
    advance(8000);
    EXPECT_TRUE(answerShown());
    EXPECT_EQ(answerDrawn().size(), 2u);

    // The next shot takes it away; a shot too large says so.
    fire(140);
    EXPECT_FALSE(answerShown());
    EXPECT_TRUE(answerDrawn().empty());
    advanceToJudgement();
    EXPECT_EQ(s.lblAnswer->caption(), "せいかいは 120°　20° 大きい");

    // Without the setting a miss shows no answer.
    runUntilReady();
    run.settings.showAnswer = false;
    fire(50);
    advanceToJudgement();
    EXPECT_FALSE(answerShown());
    EXPECT_TRUE(answerDrawn().empty());
}

TEST_F(LessonPlayTest, AtLevelThreeInPracticeTheAnswerIsAStandingInvaderOnTheMirroredField) {
    run.settings.practice = true;
    run.settings.showAnswer = true;
    queueAngles({30, 60, 150});
    PlayProbe& s = start(3, 2);
    state.gRest = 3;
    fire(30);
    advanceToJudgement();
    // The hit slot's new invader is retired at once: only two are left to shoot.
    queueAngles({100});
    runUntilReady();
    ASSERT_EQ(state.gInvAngle[0], kRetiredSlot);

    // All stand equally near: the answer is the first invader still there, not the retired slot.
    fire(100);
    advanceToJudgement();
    EXPECT_EQ(s.lblAnswer->caption(), "せいかいは 60°　40° 大きい");
    // The arc spans the answer on the mirrored field, with 0 degrees at the left.
    const QImage field = s.picMain->grab().toImage();
    EXPECT_TRUE(orangeNear(field, AngleX(110, 30), AngleY(110, 30)));
    EXPECT_FALSE(orangeNear(field, AngleX(110, 90), AngleY(110, 90)));
}

TEST_F(LessonPlayTest, CalmKeepsTheGameOverFieldSteadyOnTheSameTicksAndSounds) {
    std::vector<std::int64_t> lengths;
    for (bool calm : {false, true}) {
        SCOPED_TRACE(calm ? "calm" : "as designed");
        run.settings.calm = calm;
        PlayProbe& s = restartEmpty(1, 1);
        pin(0, 90, 200);
        state.gScore = 30;
        fire(40);  // a miss that costs the last points
        clock.advanceUntil([&] { return s.tmrGameOver1->enabled(); }, 3000);
        ASSERT_TRUE(s.tmrGameOver1->enabled());

        const std::int64_t start = clock.now();
        const auto mark = soundMark();
        std::vector<std::int64_t> changes;
        std::set<int> tops;
        bool picture = fieldShowsPicture();
        ASSERT_TRUE(picture);
        while (!s.tmrGameOver2->enabled() && clock.now() - start < 3000) {
            advance(5);
            tops.insert(s.picMain->y());
            if (fieldShowsPicture() != picture) {
                picture = !picture;
                changes.push_back(clock.now());
            }
        }
        lengths.push_back(clock.now() - start);
        // A flash is a pair of opposite changes: the most changes within any one second, halved.
        std::size_t most = 0;
        for (auto from = changes.begin(); from != changes.end(); ++from) {
            const auto to = std::lower_bound(from, changes.end(), *from + 1000);
            most = std::max(most, static_cast<std::size_t>(to - from));
        }
        const std::size_t flashesPerSecond = most / 2;
        if (calm) {
            EXPECT_LE(flashesPerSecond, 3u);
            EXPECT_TRUE(changes.empty());
            EXPECT_EQ(tops, std::set<int>{35});
        } else {
            EXPECT_GT(flashesPerSecond, 3u);
            EXPECT_GT(tops.size(), 1u);
        }
        EXPECT_TRUE(picture);
        EXPECT_EQ(count(soundsSince(mark), "mmcDen: play"), 2);
    }
    EXPECT_EQ(lengths[0], lengths[1]);
}

TEST_F(LessonPlayTest, CalmKeepsTheFieldStillAfterAMiss) {
    run.settings.calm = true;
    PlayProbe& s = restartEmpty(1, 1);
    pin(0, 90, 200);
    fire(40);
    advanceToJudgement();
    // The follow-up only puts the field back where it rests.
    int moves = 0;
    int top = s.picMain->y();
    while (s.tmrAfterMiss->enabled()) {
        advance(5);
        moves += s.picMain->y() != top;
        top = s.picMain->y();
    }
    EXPECT_LE(moves, 1);
    EXPECT_EQ(top, 35);
    EXPECT_EQ(s.phase(), PlayPhase::Aiming);
}
