#include <QImage>
#include <algorithm>

#include "art/colours.h"
#include "state/angles.h"
#include "support/play_steps.h"

// The teacher's settings that change play: practice, show-answer and calm.
class LessonPlayTest : public PlayStepsTest {
  protected:
    // The answer's drawings on the field, its line and its arc, while its text is up.
    std::vector<Drawing> answerDrawn() {
        std::vector<Drawing> out;
        for (const Drawing& d : play().picMain->displayList()) {
            if (d.colour == kOrange) {
                out.push_back(d);
            }
        }
        EXPECT_EQ(play().lblAnswer->isVisibleTo(&play().screen), !out.empty());
        return out;
    }
    // Blank, the field shows its red back colour almost everywhere.
    bool fieldShowsPicture() {
        const QImage shown = play().picMain->grab().toImage().convertToFormat(QImage::Format_RGB32);
        int red = 0;
        int all = 0;
        for (int y = 0; y < shown.height(); y += 2) {
            for (int x = 0; x < shown.width(); x += 2, ++all) {
                red += shown.pixel(x, y) == kRed.rgb();
            }
        }
        return red * 2 < all;
    }
};

TEST_F(LessonPlayTest, AMissShowsTheRightAngleUntilTheNextShot) {
    run.settings.showAnswer = true;
    queueAngles({120});
    PlayProbe& s = start(1, 1);
    fire(100);
    advanceToJudgement();
    EXPECT_EQ(s.lblAnswer->caption(), "せいかいは 120°　20° 小さい");
    const std::vector<Drawing> drawn = answerDrawn();
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_NEAR(drawn[0].to.x(), AngleX(310, 120), 1e-3);
    EXPECT_EQ(std::tuple(drawn[1].startDeg, drawn[1].endDeg), std::tuple(0.0, 120.0));
    // It outlasts the miss follow-up's clearing of the field, and goes with the next shot.
    advance(8000);
    EXPECT_EQ(answerDrawn().size(), 2u);
    fire(140);
    EXPECT_TRUE(answerDrawn().empty());
    advanceToJudgement();
    EXPECT_EQ(s.lblAnswer->caption(), "せいかいは 120°　20° 大きい");
}

TEST_F(LessonPlayTest, InPracticeInvadersStandAMissCostsNothingAndAHitCounts) {
    run.settings.practice = run.settings.showAnswer = true;
    queueAngles({30, 60, 150});
    PlayProbe& s = start(3, 2);
    advance(120000);  // far longer than the walk to the Earth
    EXPECT_EQ(round().gInvDist, (std::array<Int16, 3>{290, 290, 290}));
    EXPECT_EQ(s.imgInv[1]->pos() + QPoint(16, 16), onScreen(AngleX(290, 60), AngleY(290, 60)));
    round().gRest = 3;
    fire(30);
    advanceToJudgement();
    queueAngles({100});  // the new invader, retired at once: only two are left to shoot
    runUntilReady();
    EXPECT_EQ(round().gRest, 2);

    state.gScore = 20;  // a miss would cost the last points
    fire(130);
    runUntilReady();
    EXPECT_EQ(std::tuple(state.gScore, round().gRest, s.phase()),
              std::tuple(20, 2, PlayPhase::Aiming));
    // All stand equally near: the answer is the invader the typed angle came closest to, not the
    // first one still there. 0 degrees is at the left, so on screen the arc spans 30 to 180.
    EXPECT_EQ(s.lblAnswer->caption(), "せいかいは 150°　20° 小さい");
    EXPECT_EQ(std::tuple(answerDrawn().at(1).startDeg, answerDrawn().at(1).endDeg),
              std::tuple(30.0, 180.0));
}

// A miss shakes the field, and a miss that costs the last points flashes it.
TEST_F(LessonPlayTest, CalmKeepsTheFieldSteadyOnTheSameTicksWithTheSameSounds) {
    std::vector<std::int64_t> lengths;
    std::vector<std::vector<QString>> sounds;
    for (bool calm : {false, true}) {
        SCOPED_TRACE(calm ? "calm" : "as designed");
        run.settings.calm = calm;
        PlayProbe& s = restartEmpty(1, 1);
        pin(0, 90, 200);
        state.gScore = 60;
        std::vector<int> tops;
        std::vector<std::int64_t> changes;  // of blank against the picture
        bool picture = true;
        const auto mark = soundMark();
        for (int shot = 0; shot < 2; ++shot) {
            fire(40);
            const std::int64_t from = clock.now() + advanceToJudgement();
            while (s.tmrAfterMiss->enabled() || s.tmrGameOver1->enabled()) {
                advance(5);
                if (tops.empty() || s.picMain->y() != tops.back()) {
                    tops.push_back(s.picMain->y());
                }
                if (fieldShowsPicture() != picture) {
                    picture = !picture;
                    changes.push_back(clock.now());
                }
            }
            lengths.push_back(clock.now() - from);
        }
        // A flash is a pair of opposite changes: the most changes within one second, halved.
        std::size_t most = 0;
        for (auto i = changes.begin(); i != changes.end(); ++i) {
            most = std::max<std::size_t>(most, std::lower_bound(i, changes.end(), *i + 1000) - i);
        }
        EXPECT_EQ(most / 2 <= 3, calm);
        // Calm, the field only goes back to where it rests once.
        EXPECT_EQ(tops.size() <= 2, calm);
        EXPECT_TRUE(s.tmrGameOver2->enabled() && picture);
        sounds.push_back(soundsSince(mark));
    }
    EXPECT_EQ(sounds[0], sounds[1]);
    EXPECT_EQ(lengths[0], lengths[2]);
    EXPECT_EQ(lengths[1], lengths[3]);
}
