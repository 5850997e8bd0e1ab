#include <QPixmap>

#include "screens/frm_game_over.h"
#include "screens/result_screen_steps.h"
#include "support/screen_timers.h"

namespace {

class GameOverTest : public ResultScreenTest {
  protected:
    // Plays level 1, stage 1 until an invader reaches the Earth and the game-over screen is up.
    FrmGameOver& reachGameOver(int score) {
        restartEmpty(1, 1);
        state.gScore = score;
        pin(0, 90, 21);
        play().tmrInv[0]->setInterval(50);
        play().tmrInv[0]->setEnabled(true);
        clock.advanceUntil([&] { return nav.isShown(ScreenId::GameOver); }, 20000, 10);
        auto* screen = static_cast<FrmGameOver*>(nav.find(ScreenId::GameOver));
        if (!screen) {
            throw std::runtime_error("no game over");
        }
        return *screen;
    }
    FrmGameOver& open() {
        auto* screen = static_cast<FrmGameOver*>(nav.load(ScreenId::GameOver));
        nav.showModal(screen, &play().screen);
        return *screen;
    }
    bool messageShown(const FrmGameOver& s) { return s.lblMsg->isVisibleTo(&s); }
};

TEST_F(GameOverTest, TheMessageDependsOnLevelAndStage) {
    const QString cheer = "地球をすくえるのは君しかいない。 がんばってくれたまえ。";
    const QString almost = "よくがんばったがもう一歩だ。 次はがんばってくれたまえ。";
    const std::tuple<int, int, QString> cases[] = {
        {1, 3, cheer}, {2, 2, cheer}, {3, 1, cheer}, {3, 2, almost}, {3, 3, almost}};
    for (const auto& [level, stage, text] : cases) {
        SCOPED_TRACE(testing::Message() << level << "-" << stage);
        restartEmpty(level, stage);
        FrmGameOver& s = open();
        EXPECT_EQ(s.lblMsg->caption(), text);
        EXPECT_TRUE(messageShown(s));
        EXPECT_EQ(s.lblGameOver->caption(), "ゲーム オーバー");
        nav.unload(&s);
    }
}

TEST_F(GameOverTest, LiesOverTheFieldOnARedRampWithTheInvaderFrom800Ms) {
    restartEmpty(1, 1);
    sound.clear();
    FrmGameOver& s = open();
    EXPECT_EQ(s.frameGeometry(),
              QRect(play().picMain->mapToGlobal(QPoint(0, 0)), play().picMain->size()));
    const QImage& ramp = s.background();
    const int h = ramp.height();
    EXPECT_EQ(ramp.pixel(5, 0), qRgb(0, 0, 0));
    EXPECT_EQ(ramp.pixel(5, h / 2), qRgb(127, 0, 0));
    EXPECT_EQ(ramp.pixel(5, h - 1), qRgb((h - 1) * 255 / h, 0, 0));
    EXPECT_EQ(sound.commandsOf("mmcGameOver"),
              (std::vector<QString>{"FileName=" + state.gAppDir + "wav_over.wav", "flag=False",
                                    "sound"}));

    advance(799);
    EXPECT_TRUE(s.imgInv->pixmap().isNull());
    advance(1);
    const QImage shown = s.imgInv->pixmap().toImage();
    ASSERT_EQ(shown.size(), QSize(96, 96));
    // Three times larger, every pixel a crisp copy of the green walker's first pose.
    const QImage& pose = state.gInvPictures[2][0];
    for (const QPoint p : {QPoint(8, 20), QPoint(13, 15), QPoint(16, 16)}) {
        EXPECT_EQ(shown.pixel(p * 3), pose.pixel(p)) << p.x() << "," << p.y();
    }

    // On for three ticks, off for one; the count goes on where a closed screen left it.
    std::string blink = messageShown(s) ? "+" : "-";
    for (int tick = 2; tick <= 3; ++tick) {
        advance(800);
        blink += messageShown(s) ? "+" : "-";
    }
    EXPECT_EQ(s.imgInv->pixmap().toImage(), shown);
    nav.unload(&s);
    EXPECT_EQ(sound.commandsOf("mmcGameOver").back(), "close");
    FrmGameOver& again = open();
    for (int tick = 0; tick < 3; ++tick) {
        advance(800);
        blink += messageShown(again) ? "+" : "-";
    }
    EXPECT_EQ(blink, "+++-++");
}

TEST_F(GameOverTest, ContinueWithoutANewHighScorePlaysTheSameStageAgainFrom300) {
    FrmGameOver& s = reachGameOver(120);
    EXPECT_FALSE(AnyTimerRunning(play().screen));
    sound.clear();
    click(s.cmdContinue);
    EXPECT_EQ(sound.commandsOf("mmcPopi"), (std::vector<QString>{"sound"}));
    EXPECT_FALSE(nav.find(ScreenId::GameOver));
    EXPECT_EQ(state.gScore, 300);
    EXPECT_EQ(state.gLevel, 1);
    EXPECT_EQ(state.gStage, 1);
    EXPECT_EQ(round().gRest, 10);
    EXPECT_FALSE(play().model.busy());
    EXPECT_TRUE(play().tmrWatch->enabled());
    EXPECT_EQ(titleShows, 0);
}

TEST_F(GameOverTest, ChangingTheLevelWithANewHighScoreRecordsItThenShowsTheTitle) {
    click(reachGameOver(450).cmdCancel);
    EXPECT_EQ(nameEntries->size(), 1u);
    EXPECT_EQ(state.gHiScore, 450);
    EXPECT_EQ(state.gScore, 300);
    expectBackAtTheTitle();
}

TEST_F(GameOverTest, TheEndButtonEndsTheProgramAfterTheNameEntryWhenEarned) {
    for (const int score : {300, 301}) {
        SCOPED_TRACE(score);
        Navigator own;  // each case ends its own run
        GameServices ownServices{
            {clock, own},        state,           run, *random, sound, instance,
            services.programDir, services.dataDir};
        ScreenFlow runFlow(own, state);
        RegisterScreens(ownServices, runFlow);
        int entries = 0;
        RegisterStandIn(ownServices, runFlow, ScreenId::NameEntry,
                        [&entries](GameServices&) { ++entries; });
        state.gScore = score;
        auto& s = static_cast<FrmGameOver&>(*own.load(ScreenId::GameOver));
        own.show(&s);
        click(s.cmdEnd);
        EXPECT_TRUE(own.ended());
        EXPECT_EQ(entries, score > 300 ? 1 : 0);
    }
}

TEST_F(GameOverTest, ClosingTheWindowNeverRestartsTheStageFromAnEarlierContinue) {
    // A continue earlier in the run left the flag set.
    click(reachGameOver(120).cmdContinue);
    ASSERT_EQ(state.gRetryFlag, 1);
    FrmGameOver& s = reachGameOver(120);
    altF4(s);
    EXPECT_EQ(state.gRetryFlag, 0);
    EXPECT_EQ(nameEntries->size(), 0u);
    expectBackAtTheTitle();
}

TEST_F(GameOverTest, ClosingTheWindowKeepsANewHighScore) {
    FrmGameOver& s = reachGameOver(450);
    QTest::keyClick(s.windowHandle(), Qt::Key_F4, Qt::AltModifier | Qt::ControlModifier);
    EXPECT_TRUE(nav.isShown(ScreenId::GameOver));  // only Alt alone closes it
    s.close();
    EXPECT_EQ(nameEntries->size(), 1u);
    EXPECT_EQ(state.gHiScore, 450);
    expectBackAtTheTitle();
}

}  // namespace
