#include <QPushButton>
#include <QTest>

#include "screens/frm_stage_msg.h"
#include "support/play_steps.h"

namespace {

class BriefingTest : public PlayStepsTest {
  protected:
    FrmStageMsg& showBriefing(int level, int stage) {
        state.gLevel = level;
        state.gStage = stage;
        auto* briefing = static_cast<FrmStageMsg*>(nav.load(ScreenId::Briefing));
        nav.show(briefing);
        return *briefing;
    }
    FrmStageMsg* shownBriefing() {
        return nav.isShown(ScreenId::Briefing)
                   ? static_cast<FrmStageMsg*>(nav.find(ScreenId::Briefing))
                   : nullptr;
    }
    // A briefing of its own, outside the game's flow, for what it shows.
    std::unique_ptr<FrmStageMsg> briefingFor(int level, int stage) {
        state.gLevel = level;
        state.gStage = stage;
        auto briefing = std::make_unique<FrmStageMsg>(services);
        briefing->Form_Load();
        return briefing;
    }
    QStringList points(const FrmStageMsg& s) {
        QStringList out;
        for (const GameLabel* label : s.lblPoint) {
            out << label->caption();
        }
        return out;
    }
    int clicks() {
        const auto popi = sound.commandsOf("mmcPopi");
        return static_cast<int>(std::count(popi.begin(), popi.end(), "sound"));
    }
    // Leaves the briefing by "おわり" with the score `above` the high score; returns how many
    // name entries opened. Nothing waited for the briefing, so the program ends either way.
    std::size_t quitAbove(int above) {
        const Shows entries = recordShows(ScreenId::NameEntry);
        state.gScore = state.gHiScore + above;
        QTest::mouseClick(showBriefing(1, 1).cmdEnd, Qt::LeftButton);
        EXPECT_TRUE(nav.ended());
        EXPECT_EQ(clicks(), 0);
        return entries->size();
    }
    // Clears the stage the play screen is on and runs the clear message to the briefing.
    FrmStageMsg& clearStage(int level, int stage) {
        PlayProbe& s = restartEmpty(level, stage);
        round().gRest = 0;
        s.NextRound();
        clock.advance(16 * 400);
        EXPECT_FALSE(s.screen.isVisible());
        FrmStageMsg* briefing = shownBriefing();
        EXPECT_NE(briefing, nullptr);
        return *briefing;
    }
};

}  // namespace

TEST_F(BriefingTest, ShowsTheLevelAndStageWithTheirPointsAndTexts) {
    const auto owned = briefingFor(1, 1);
    const FrmStageMsg& easy = *owned;
    EXPECT_EQ(easy.size(), QSize(461, 346));
    EXPECT_EQ(easy.focusWidget(), easy.cmdStart);
    EXPECT_EQ(easy.lblLevel->caption(), "やさしい");
    EXPECT_EQ(easy.lblStage->caption(), "1");
    EXPECT_EQ(points(easy), (QStringList{"50", "40", "30", "20", "-30"}));
    EXPECT_TRUE(easy.lblMsg[1]->caption().startsWith("\u3000「やさしい」のレベルでは，"));
    EXPECT_TRUE(easy.lblMsg[2]->caption().startsWith("\u3000「ステージ１」は，右の下に"));
    // Each grey box shows as a shadow along its label's right and bottom edges, under it.
    const QImage shown = owned->grab().toImage();
    const QColor grey(128, 128, 128);
    for (int i : {0, 1}) {
        const QRect r = easy.lblMsg[i + 1]->geometry();
        EXPECT_EQ(easy.Shape1[i]->pos() - r.topLeft(), QPoint(6, 4));
        EXPECT_EQ(shown.pixelColor(r.right() + 3, r.center().y()), grey);
        EXPECT_EQ(shown.pixelColor(r.center().x(), r.bottom() + 2), grey);
        // Both texts take four lines, and the last one is not cut off by the border.
        const QColor paper = easy.lblMsg[i + 1]->background();
        int inked = 0;
        for (int x = r.left() + 1; x < r.right(); ++x) {
            inked += shown.pixelColor(x, r.bottom() - 1) != paper;
        }
        EXPECT_EQ(inked, 0) << i;
    }
    // The table's invaders stand on black in their row's colour, farthest (cyan) first.
    const QImage far = easy.imgD[0]->pixmap().toImage();
    EXPECT_EQ(far.pixelColor(0, 0), QColor(0, 0, 0));
    EXPECT_EQ(far.pixelColor(3, 1), QColor(0, 255, 255));
    EXPECT_EQ(easy.imgD[3]->pixmap().toImage().pixelColor(3, 1), QColor(255, 0, 0));

    const auto hard = briefingFor(3, 2);
    EXPECT_EQ(hard->lblLevel->caption(), "むずかしい");
    EXPECT_EQ(points(*hard), (QStringList{"？", "？", "70", "50", "-30"}));
    EXPECT_TRUE(hard->lblMsg[1]->caption().startsWith("\u3000「むずかしい」のレベルは，"));
    EXPECT_TRUE(hard->lblMsg[2]->caption().startsWith("\u3000「ステージ２」は，左の下に"));

    // Out of range: the labels keep their design texts and the messages stay empty.
    const auto odd = briefingFor(4, 0);
    EXPECT_EQ(odd->lblLevel->caption(), "");
    EXPECT_EQ(odd->lblStage->caption(), "0");
    EXPECT_EQ(points(*odd), (QStringList{"50", "40", "30", "20", "-30"}));
    EXPECT_EQ(odd->lblMsg[1]->caption(), "");
    EXPECT_EQ(odd->lblMsg[2]->caption(), "");
}

TEST_F(BriefingTest, StartClicksAndShowsThePlayScreenAtTheLevelAndStage) {
    FrmStageMsg& s = showBriefing(2, 3);
    QTest::keyClick(s.windowHandle(), Qt::Key_Space);  // the focused "スタート"
    EXPECT_EQ(clicks(), 1);
    EXPECT_EQ(nav.find(ScreenId::Briefing), nullptr);
    ASSERT_TRUE(nav.isShown(ScreenId::Play));
    const PlayProbe play(*static_cast<FrmTezra*>(nav.find(ScreenId::Play)));
    EXPECT_EQ(play.lblLevel->caption(), "ふつう");
    EXPECT_EQ(play.lblStage->caption(), "3");
}

TEST_F(BriefingTest, EndWithoutANewHighScoreEndsTheProgramWithoutAClick) {
    EXPECT_EQ(quitAbove(0), 0u);
}

TEST_F(BriefingTest, EndOnePointAboveTheHighScoreOpensTheNameEntry) {
    EXPECT_EQ(quitAbove(1), 1u);
}

TEST_F(BriefingTest, BetweenStagesTheNextStageStartsAfterTheBriefing) {
    const Shows entries = recordShows(ScreenId::NameEntry);
    FrmStageMsg& second = clearStage(1, 3);
    EXPECT_EQ(second.lblLevel->caption(), "ふつう");
    EXPECT_EQ(second.lblStage->caption(), "1");
    QTest::mouseClick(second.cmdStart, Qt::LeftButton);
    EXPECT_EQ(clicks(), 1);
    EXPECT_TRUE(play().screen.isVisible());
    EXPECT_EQ(play().lblStage->caption(), "1");
    EXPECT_EQ(round().gRest, 15);  // level 2 set up

    // Leaving with a new high score: the name entry, then the next stage all the same.
    state.gScore = state.gHiScore + 50;
    FrmStageMsg& third = clearStage(2, 2);
    QTest::mouseClick(third.cmdEnd, Qt::LeftButton);
    EXPECT_EQ(*entries, (std::vector<std::pair<int, int>>{{2, 3}}));
    EXPECT_FALSE(nav.ended());
    EXPECT_TRUE(play().screen.isVisible());
    EXPECT_EQ(play().lblStage->caption(), "3");
    EXPECT_EQ(round().gRest, 15);
    EXPECT_EQ(clicks(), 1);
}
