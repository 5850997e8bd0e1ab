#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPushButton>
#include <QTest>

#include "highscore/frm_high_score.h"
#include "persist/cp932.h"
#include "screens/frm_all_clear.h"
#include "screens/frm_first_msg.h"
#include "screens/frm_game_over.h"
#include "screens/frm_stage_msg.h"
#include "support/play_fixture.h"
#include "title/frm_tezra_start.h"

// Whole games on virtual time through every real screen, played with the mouse and the keyboard
// by a scripted player.
class WholeGameTest : public PlayFixture {
  protected:
    WholeGameTest() { state.gReadMeShown = 0; }  // a fresh run: the first game reads the read-me

    template <typename S>
    S* shown(ScreenId id) {
        return nav.isShown(id) ? static_cast<S*>(nav.find(id)) : nullptr;
    }
    // A click where the player's mouse would land on the button, through its window.
    void click(QWidget* button) {
        QWidget* window = button->window();
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                          button->mapTo(window, button->rect().center()));
    }
    FrmTezra* playable() {
        auto* play = shown<FrmTezra>(ScreenId::Play);
        const bool modalUp = nav.isShown(ScreenId::Briefing) || nav.isShown(ScreenId::GameOver) ||
                             nav.isShown(ScreenId::AllClear) || nav.isShown(ScreenId::NameEntry);
        const bool aiming = play && (play->phase() == PlayPhase::Aiming ||
                                     play->phase() == PlayPhase::MissFollowUp);
        return aiming && !modalUp && play->field().isVisibleTo(play) ? play : nullptr;
    }
    // The angle to type for the invader nearest the cannon.
    int answer(FrmTezra& screen) {
        const PlayProbe play(screen);
        const int slot = state.gLevel == 3 ? static_cast<int>(play.mNearSlot) : 0;
        return (play.round.gInvAngle[slot] - play.mLineAngle) * play.mLineDir;
    }
    void typeOn(FrmTezra& play, const QString& keys) {
        for (QChar c : keys) {
            const auto key =
                c == ' ' ? Qt::Key_Space : static_cast<Qt::Key>(Qt::Key_0 + (c.unicode() - '0'));
            QTest::sendKeyEvent(QTest::Click, play.windowHandle(), key, QString(c), Qt::NoModifier);
        }
    }
    // Types the name on the on-screen keyboard and presses "OK（おわり）".
    void enterName(std::initializer_list<const char*> keys) {
        auto* entry = shown<FrmHighScore>(ScreenId::NameEntry);
        ASSERT_NE(entry, nullptr);
        for (const char* key : keys) {
            click(entry->findChild<QPushButton*>(key));
        }
        click(entry->findChild<QPushButton*>("cmdOk"));
    }
    QByteArray highScoreFile() {
        QFile file(dir.filePath("dat_high.ini"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Starts the run at the title and the first game at level 1 through the read-me.
    void startAtTitle() {
        flow.start();
        auto* title = shown<FrmTezraStart>(ScreenId::Title);
        ASSERT_NE(title, nullptr);
        click(title->cmdLo);
        auto* readMe = shown<FrmFirstMsg>(ScreenId::ReadMe);
        ASSERT_NE(readMe, nullptr);
        click(readMe->cmdOk);
    }
};

TEST_F(WholeGameTest, FromTheTitleThroughEveryStageToTheAllClearAndTheNameEntry) {
    startAtTitle();
    std::vector<std::pair<int, int>> briefed;
    int shots = 0;
    while (!nav.isShown(ScreenId::AllClear) && clock.now() < 3'600'000) {
        if (auto* briefing = shown<FrmStageMsg>(ScreenId::Briefing)) {
            briefed.emplace_back(state.gLevel, state.gStage);
            click(briefing->cmdStart);
        } else if (FrmTezra* play = playable();
                   play && play->model().playState().gInputAngle == 0) {
            typeOn(*play, QString::number(answer(*play)) + " ");
            ++shots;
        }
        ASSERT_FALSE(nav.isShown(ScreenId::GameOver));
        advance(10);
    }
    const std::vector<std::pair<int, int>> all{{1, 1}, {1, 2}, {1, 3}, {2, 1}, {2, 2},
                                               {2, 3}, {3, 1}, {3, 2}, {3, 3}};
    EXPECT_EQ(briefed, all);
    EXPECT_EQ(shots, 3 * 10 + 3 * 15 + 3 * 20);
    const int score = state.gScore;
    ASSERT_GT(score, 300);
    advance(8000);  // the fanfare, the lines, and invaders painted
    click(shown<FrmAllClear>(ScreenId::AllClear)->cmdOk);
    enterName({"cmdKey(2)", "cmdKey(16)", "cmdKey(9)"});  // う, ち, こ
    EXPECT_TRUE(nav.isShown(ScreenId::Title));
    EXPECT_FALSE(nav.find(ScreenId::Play));
    EXPECT_EQ(state.gScore, 300);
    EXPECT_EQ(state.gHiScore, score);
    EXPECT_EQ(highScoreFile(),
              " " + QByteArray::number(score) + "\r\n" + EncodeCp932(u"うちこ") + "\r\n");
}

TEST_F(WholeGameTest, GameOverContinueAndAGameOverAboveTheHighScoreToTheNameEntry) {
    startAtTitle();
    click(shown<FrmStageMsg>(ScreenId::Briefing)->cmdStart);
    // Ten misses use up the 300 points: game over without a new high score, then continue.
    while (!nav.isShown(ScreenId::GameOver) && clock.now() < 600'000) {
        if (FrmTezra* play = playable(); play && play->model().playState().gInputAngle == 0) {
            typeOn(*play, QString::number(answer(*play) % 180 + 10) + " ");
        }
        advance(10);
    }
    ASSERT_EQ(state.gScore, 0);
    click(shown<FrmGameOver>(ScreenId::GameOver)->cmdContinue);
    EXPECT_EQ(state.gScore, 300);
    EXPECT_EQ(std::pair(int(state.gLevel), int(state.gStage)), std::pair(1, 1));
    // Three hits, then the player waits: the invader reaches the Earth above the high score.
    for (int hits = 0; hits < 3 && clock.now() < 900'000;) {
        if (FrmTezra* play = playable(); play && play->model().playState().gInputAngle == 0) {
            typeOn(*play, QString::number(answer(*play)) + " ");
            ++hits;
        }
        advance(10);
    }
    clock.advanceUntil([&] { return nav.isShown(ScreenId::GameOver); }, 300'000, 10);
    const int score = state.gScore;
    ASSERT_GT(score, 300);
    click(shown<FrmGameOver>(ScreenId::GameOver)->cmdCancel);
    enterName({"cmdKey2(0)", "cmdKey2(1)"});  // Ａ, Ｂ
    EXPECT_TRUE(nav.isShown(ScreenId::Title));
    EXPECT_FALSE(nav.find(ScreenId::Play));
    EXPECT_EQ(highScoreFile(),
              " " + QByteArray::number(score) + "\r\n" + EncodeCp932(u"ＡＢ") + "\r\n");
}

// Not a check: with TEZRA_SCREENSHOTS set to a folder, plays through every screen and saves a
// picture of each there, as the player sees the windows on the desktop (for the README).
class ScreenGallery : public WholeGameTest {
  protected:
    void snap(const QString& name) {
        const std::vector<QWidget*> windows = nav.shownScreens();
        QRect desktop;
        for (QWidget* window : windows) {
            desktop |= window->geometry();
        }
        QImage picture(desktop.size(), QImage::Format_RGB32);
        picture.fill(Qt::black);
        QPainter painter(&picture);
        for (QWidget* window : windows) {
            window->render(&painter, window->geometry().topLeft() - desktop.topLeft());
        }
        EXPECT_TRUE(picture.save(folder + "/" + name + ".png"));
    }
    // Plays on, hitting every invader, until `done` holds.
    void hitUntil(const std::function<bool()>& done) {
        while (!done() && clock.now() < 3'600'000) {
            if (auto* briefing = shown<FrmStageMsg>(ScreenId::Briefing)) {
                click(briefing->cmdStart);
            } else if (FrmTezra* play = playable();
                       play && play->model().playState().gInputAngle == 0) {
                typeOn(*play, QString::number(answer(*play)) + " ");
            }
            advance(10);
        }
    }
    QString folder = qEnvironmentVariable("TEZRA_SCREENSHOTS");
};

TEST_F(ScreenGallery, SavesEveryScreenWhenAskedTo) {
    if (folder.isEmpty()) {
        GTEST_SKIP() << "set TEZRA_SCREENSHOTS to a folder to write the pictures";
    }
    ASSERT_TRUE(QDir().mkpath(folder));
    // The shipped note line, from the build's game folder beside the tests.
    QFile::copy(QCoreApplication::applicationDirPath() + "/../game/dat_cot.ini",
                dir.filePath("dat_cot.ini"));
    flow.start();
    advance(7000);  // the demonstration's fan
    snap("title");
    auto* title = shown<FrmTezraStart>(ScreenId::Title);
    click(title->cmdVer);
    snap("version");
    click(nav.find(ScreenId::Version)->findChild<QPushButton*>("comOk"));
    click(title->cmdLo);
    advance(1500);
    snap("read_me");
    click(shown<FrmFirstMsg>(ScreenId::ReadMe)->cmdOk);
    snap("briefing");
    click(shown<FrmStageMsg>(ScreenId::Briefing)->cmdStart);
    advance(3000);
    FrmTezra* play = playable();
    ASSERT_NE(play, nullptr);
    typeOn(*play, QString::number(answer(*play) + 20) + " ");
    advance(600);
    snap("play_level1_fan");
    clock.advanceUntil([&] { return play->phase() == PlayPhase::Aiming; }, 20000, 10);
    click(PlayProbe(*play).cmdHelp);
    ASSERT_TRUE(nav.isShown(ScreenId::Help));
    snap("help");
    click(nav.find(ScreenId::Help)->findChild<QPushButton*>("comOk"));
    hitUntil([&] { return state.gLevel == 2 && playable(); });
    advance(3000);
    snap("play_level2");
    hitUntil([&] { return state.gLevel == 3 && state.gStage == 3 && playable(); });
    advance(3000);
    snap("play_level3_stage3");
    hitUntil([&] { return nav.isShown(ScreenId::AllClear); });
    advance(8000);
    snap("all_clear");
    click(shown<FrmAllClear>(ScreenId::AllClear)->cmdOk);
    auto* entry = shown<FrmHighScore>(ScreenId::NameEntry);
    ASSERT_NE(entry, nullptr);
    for (const char* key : {"cmdKey(2)", "cmdKey(16)", "cmdKey(9)"}) {
        click(entry->findChild<QPushButton*>(key));
    }
    snap("name_entry");
    click(entry->findChild<QPushButton*>("cmdOk"));
    click(shown<FrmTezraStart>(ScreenId::Title)->cmdLo);
    click(shown<FrmStageMsg>(ScreenId::Briefing)->cmdStart);
    while (!nav.isShown(ScreenId::GameOver) && clock.now() < 7'200'000) {
        if (FrmTezra* p = playable(); p && p->model().playState().gInputAngle == 0) {
            typeOn(*p, QString::number(answer(*p) % 180 + 10) + " ");
        }
        advance(10);
    }
    advance(3000);
    snap("game_over");
}
