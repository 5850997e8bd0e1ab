#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "app/screen_registry.h"
#include "kit/full_screen_stage.h"
#include "persist/data_files.h"
#include "state/angles.h"
#include "support/play_steps.h"
#include "support/screen_timers.h"
#include "title/frm_tezra_start.h"

namespace {

// Another copy of the game is running.
class NotAlone : public SingleInstance {
  public:
    bool acquire() override { return false; }
};

void writeHighScore(const QString& folder, int score) {
    GameState file;
    file.gAppDir = folder + "/";
    file.gHiScore = score;
    file.gHiName = "てすと";
    ASSERT_TRUE(SaveHighScore(file));
}

class TitleTest : public PlayStepsTest {
  protected:
    TitleTest() {
        // A run of the program starts with everything zero.
        state.gScore = 0;
        state.gHiScore = 0;
        state.gReadMeShown = 0;
        // The play screen stands in: back to the title at once, as its level button does.
        nav.registerScreen(ScreenId::Play, [this, &s = services]() {
            return std::make_unique<StandInScreen>(s, ScreenId::Play, [this](StandInScreen& self) {
                state.gScore = 0;
                flow.playEnded(self, PlayOutcome::ChangeLevel);
            });
        });
    }
    FrmTezraStart& openTitle() {
        flow.start();
        return *title();
    }
    FrmTezraStart* title() { return static_cast<FrmTezraStart*>(nav.find(ScreenId::Title)); }
    // The teacher's screen, opened from the title; it saves where this test may write.
    Screen& openSettings() {
        qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
        QTest::keyClick(title()->windowHandle(), Qt::Key_S,
                        Qt::ControlModifier | Qt::ShiftModifier);
        Screen* settings = nav.find(ScreenId::Settings);
        EXPECT_NE(settings, nullptr);
        return *settings;
    }
    void clickBox(Screen& settings, const char* box) {
        QAbstractButton* button = settings.findChild<QAbstractButton*>(box);
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(6, button->height() / 2));
    }
    void clickOk(Screen& settings) {
        QTest::mouseClick(settings.findChild<QPushButton*>("cmdOk"), Qt::LeftButton);
        ASSERT_FALSE(nav.isShown(ScreenId::Settings));
    }
    std::vector<Drawing> drawnOn(const FrmTezraStart& t, Drawing::Kind kind) {
        std::vector<Drawing> out;
        for (const Drawing& d : t.picDemo->displayList()) {
            if (d.kind == kind) {
                out.push_back(d);
            }
        }
        return out;
    }

    ~TitleTest() override {
        hadConfigHome_ ? qputenv("XDG_CONFIG_HOME", configHome_) : qunsetenv("XDG_CONFIG_HOME");
    }

  private:
    const bool hadConfigHome_ = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    const QByteArray configHome_ = qgetenv("XDG_CONFIG_HOME");
};

TEST(TitleSecondCopy, EndsTheProgramBeforeShowingOrReadingAnything) {
    for (const bool atPlay : {false, true}) {
        SCOPED_TRACE(atPlay ? "started with --level" : "started plainly");
        GameState state;
        RunMemory run;
        VirtualClock clock;
        SeededRandom random(1);
        RecordingSoundSystem sound;
        Navigator nav;
        NotAlone instance;
        QTemporaryDir dir;
        GameServices services{{clock, nav}, state,    run,        random,
                              sound,        instance, dir.path(), dir.path()};
        ScreenFlow flow(nav, state);
        RegisterScreens(services, flow);
        atPlay ? flow.startAtPlay() : flow.start();
        EXPECT_TRUE(nav.ended());
        EXPECT_FALSE(nav.isShown(ScreenId::Title));
        EXPECT_EQ(nav.find(ScreenId::Play), nullptr);
        EXPECT_FALSE(AnyTimerRunning(*nav.find(ScreenId::Title)));
        EXPECT_TRUE(sound.calls().empty());
        EXPECT_FALSE(QFile::exists(dir.filePath(kHighScoreFile)));
    }
}

TEST_F(TitleTest, LayoutAndDemonstrationBox) {
    FrmTezraStart& t = openTitle();
    EXPECT_EQ(t.windowTitle(), "Tezra [ｽﾀｰﾄ]");
    EXPECT_EQ(t.size(), QSize(461, 346));
    EXPECT_EQ(t.cmdVer->text(), "ﾊﾞｰｼﾞｮﾝ情報");
    EXPECT_EQ(t.cmdMid->text(), "ふ つ う");
    EXPECT_EQ(t.lblD2->text(), "ゲーム スタート !!");
    EXPECT_EQ(t.picDemo->geometry(), QRect(5, 37, 453, 244));
    EXPECT_EQ(t.picDemo->toScreen(0, 0), QPointF(224, 223));
    EXPECT_EQ(t.picDemo->toScreen(215, 215), QPointF(439, 8));
    for (QPushButton* level : {t.cmdLo, t.cmdMid, t.comHigh}) {
        EXPECT_FALSE(level->icon().isNull()) << level->objectName();
    }
}

// One run: title, read-me, briefing, play, back to the title, and a second game.
TEST_F(TitleTest, FirstLoadReadsTheFilesAndTheFirstGameShowsTheReadMe) {
    writeHighScore(dir.path(), 4321);
    state.gInvPictures = {};
    const Shows readMe = recordShows(ScreenId::ReadMe);
    const Shows briefing = recordShows(ScreenId::Briefing);

    FrmTezraStart& first = openTitle();
    EXPECT_TRUE(nav.isShown(ScreenId::Title));
    EXPECT_EQ(state.gHiScore, 4321);
    EXPECT_EQ(state.gScore, 300);
    EXPECT_FALSE(state.gInvPictures[3][2].isNull());
    EXPECT_EQ(sound.commandsOf("mmcPopi"),
              (std::vector<QString>{"FileName=" + dir.path() + "/wav_popi.wav", "sound"}));

    writeHighScore(dir.path(), 5555);
    QTest::mouseClick(first.cmdMid, Qt::LeftButton);
    EXPECT_EQ(sound.commandsOf("mmcPopi").at(2), "sound");
    EXPECT_EQ(*readMe, (std::vector<std::pair<int, int>>{{2, 1}}));
    EXPECT_EQ(*briefing, (std::vector<std::pair<int, int>>{{2, 1}}));

    // The play screen left with no score: the title is back, with 300 and nothing read again.
    ASSERT_TRUE(nav.isShown(ScreenId::Title));
    EXPECT_EQ(state.gHiScore, 4321);
    EXPECT_EQ(state.gScore, 300);
    QTest::mouseClick(title()->comHigh, Qt::LeftButton);
    EXPECT_EQ(readMe->size(), 1u);
    EXPECT_EQ(*briefing, (std::vector<std::pair<int, int>>{{2, 1}, {3, 1}}));
}

TEST_F(TitleTest, OnlyShiftWithAFunctionKeyStartsAStage) {
    state.gReadMeShown = 1;
    const Shows briefing = recordShows(ScreenId::Briefing);
    QWindow* window = openTitle().windowHandle();
    QTest::keyClick(window, Qt::Key_F6);
    QTest::keyClick(window, Qt::Key_F6, Qt::ShiftModifier | Qt::ControlModifier);
    QTest::keyClick(window, Qt::Key_A, Qt::ShiftModifier);
    EXPECT_TRUE(briefing->empty());
    QTest::keyClick(window, Qt::Key_F6, Qt::ShiftModifier);
    EXPECT_EQ(*briefing, (std::vector<std::pair<int, int>>{{2, 3}}));
    QTest::keyClick(title()->windowHandle(), Qt::Key_F9, Qt::ShiftModifier);
    EXPECT_EQ(briefing->back(), (std::pair<int, int>{3, 3}));
}

TEST_F(TitleTest, OnlyTheLessonsLevelsStartAndTheTitleFollowsTheTeachersChange) {
    run.settings.levels = {1};
    state.gReadMeShown = 1;
    const Shows briefing = recordShows(ScreenId::Briefing);
    const auto choosable = [this] {
        QString levels;
        for (const QPushButton* level : {title()->cmdLo, title()->cmdMid, title()->comHigh}) {
            levels += level->isEnabled() ? '+' : '-';
        }
        return levels;
    };
    openTitle();
    EXPECT_EQ(choosable(), "+--");
    QTest::keyClick(title()->windowHandle(), Qt::Key_F7, Qt::ShiftModifier);
    QTest::keyClick(title()->windowHandle(), Qt::Key_F4, Qt::ShiftModifier);
    EXPECT_TRUE(briefing->empty());
    QTest::keyClick(title()->windowHandle(), Qt::Key_F1, Qt::ShiftModifier);
    EXPECT_EQ(*briefing, (std::vector<std::pair<int, int>>{{1, 1}}));

    Screen& settings = openSettings();
    clickBox(settings, "chkLevel(1)");
    clickBox(settings, "chkLevel(3)");
    clickOk(settings);
    EXPECT_EQ(choosable(), "--+");
    QTest::keyClick(title()->windowHandle(), Qt::Key_F7, Qt::ShiftModifier);
    EXPECT_EQ(briefing->back(), (std::pair<int, int>{3, 1}));
}

// The sound and the window follow the teacher at once; the scale says that it waits.
TEST_F(TitleTest, SavedVolumeMuteAndFullScreenActAtOnce) {
    openTitle();
    Screen& settings = openSettings();
    EXPECT_NE(settings.findChild<QLabel*>("lblNextStart(scale)"), nullptr);
    EXPECT_EQ(settings.findChild<QLabel*>("lblNextStart(mute)"), nullptr);
    EXPECT_EQ(settings.findChild<QLabel*>("lblNextStart(fullscreen)"), nullptr);
    auto* volume = settings.findChild<QSpinBox*>("spnVolume");
    QTest::keyClick(volume, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(volume, "20");
    clickBox(settings, "chkFullscreen");
    clickOk(settings);

    EXPECT_EQ(sound.volumes(), std::vector<int>{20});
    ASSERT_NE(nav.stage(), nullptr);
    EXPECT_TRUE(nav.stage()->active());

    // Muted, the sound goes on silently; un-muted, it is heard again at the lesson's volume.
    for (const int heard : {0, 20}) {
        Screen& again = openSettings();
        clickBox(again, "chkMute");
        clickOk(again);
        EXPECT_EQ(sound.volumes().back(), heard);
    }
    EXPECT_EQ(sound.volumes().size(), 3U);  // one for each change
    EXPECT_TRUE(nav.stage()->active());
}

TEST_F(TitleTest, AfterAMutedStartTheSettingsSayTheSoundComesAtTheNextStart) {
    run.startedMuted = true;
    openTitle();
    Screen& settings = openSettings();
    EXPECT_NE(settings.findChild<QLabel*>("lblNextStart(mute)"), nullptr);
    QTest::mouseClick(settings.findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
}

TEST_F(TitleTest, OnlyCtrlShiftKAndSOpenTheTeachersScreens) {
    QWindow* window = openTitle().windowHandle();
    for (const Qt::Key key : {Qt::Key_K, Qt::Key_S}) {
        QTest::keyClick(window, key);
        QTest::keyClick(window, key, Qt::ShiftModifier);
        QTest::keyClick(window, key, Qt::ControlModifier);
    }
    EXPECT_EQ(nav.find(ScreenId::Results), nullptr);
    EXPECT_EQ(nav.find(ScreenId::Settings), nullptr);

    QTest::keyClick(window, Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_TRUE(nav.isShown(ScreenId::Results));
    Screen* results = nav.find(ScreenId::Results);
    EXPECT_EQ(results->windowTitle(), "きろく");
    QTest::mouseClick(results->findChild<QPushButton*>("cmdClose"), Qt::LeftButton);
    EXPECT_FALSE(nav.isShown(ScreenId::Results));

    QTest::keyClick(window, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_TRUE(nav.isShown(ScreenId::Settings));
    Screen* settings = nav.find(ScreenId::Settings);
    EXPECT_EQ(settings->windowTitle(), "先生の設定");
    QTest::mouseClick(settings->findChild<QPushButton*>("cmdResults"), Qt::LeftButton);
    EXPECT_TRUE(nav.isShown(ScreenId::Results));
}

TEST_F(TitleTest, AskNameTakesTheNameOnTheKanaKeyboardBeforeTheRunsFirstGameOnly) {
    run.settings.askName = true;
    const Shows readMe = recordShows(ScreenId::ReadMe);
    const Shows briefing = recordShows(ScreenId::Briefing);
    QTest::mouseClick(openTitle().cmdLo, Qt::LeftButton);
    const int hiScore = state.gHiScore;
    ASSERT_TRUE(nav.isShown(ScreenId::AskName));
    EXPECT_TRUE(readMe->empty());
    Screen* ask = nav.find(ScreenId::AskName);
    const QPushButton* first = ask->findChild<QPushButton*>("cmdKey(0)");
    const QPushButton* second = ask->findChild<QPushButton*>("cmdKey(1)");
    const QString name = first->text() + second->text();
    for (const char* button : {"cmdKey(0)", "cmdKey(1)", "cmdOk"}) {
        QTest::mouseClick(ask->findChild<QPushButton*>(button), Qt::LeftButton);
    }
    EXPECT_EQ(run.playerName, name);
    EXPECT_EQ(readMe->size(), 1u);
    EXPECT_EQ(state.gHiScore, hiScore);

    // Back at the title, the next game goes straight on.
    ASSERT_TRUE(nav.isShown(ScreenId::Title));
    QTest::mouseClick(title()->cmdLo, Qt::LeftButton);
    EXPECT_EQ(nav.find(ScreenId::AskName), nullptr);
    EXPECT_EQ(briefing->size(), 2u);
}

TEST_F(TitleTest, EndWithTheHighScoreEqualledEndsAtOnce) {
    writeHighScore(dir.path(), 300);
    const Shows nameEntry = recordShows(ScreenId::NameEntry);
    QTest::mouseClick(openTitle().cmdEnd, Qt::LeftButton);
    EXPECT_TRUE(nav.ended());
    EXPECT_TRUE(nameEntry->empty());
}

TEST_F(TitleTest, EndWithTheHighScoreBeatenOpensTheNameEntry) {
    writeHighScore(dir.path(), 299);
    const Shows nameEntry = recordShows(ScreenId::NameEntry);
    QTest::mouseClick(openTitle().cmdEnd, Qt::LeftButton);
    EXPECT_EQ(nameEntry->size(), 1u);
}

// The cycle in virtual time: shots on the counts 3, 6 and 9, which stand still while a shot runs.
TEST_F(TitleTest, DemonstrationCycle) {
    FrmTezraStart& t = openTitle();
    QTest::mouseClick(t.cmdVer, Qt::LeftButton);
    EXPECT_TRUE(nav.isShown(ScreenId::Version));

    struct Shot {
        int tick;
        int angle;
        std::int64_t startMs;
        std::vector<Drawing> wedges;
        std::vector<Drawing> burst;
        std::vector<double> lengths;
        bool hit = false;
    };
    std::vector<Shot> shots;
    bool busy = false;
    std::int64_t hitPictureFrom = -1;
    const QImage hitPicture = state.gInvPictures[3][2];
    while (clock.now() < 17100) {
        clock.advance(5);
        if (!busy && t.mDemoBusy == 1) {
            shots.push_back({t.demoTick, t.demoAngle, clock.now(), {}, {}, {}});
        }
        busy = t.mDemoBusy == 1;
        if (busy) {
            Shot& shot = shots.back();
            ASSERT_EQ(t.demoTick, shot.tick) << "the count went on during a shot";
            const QPointF end = t.Line2->p2();
            const double length = std::round(std::hypot(end.x(), end.y()));
            if (t.Line2->visible() && (shot.lengths.empty() || shot.lengths.back() != length)) {
                shot.lengths.push_back(length);
            }
        } else if (!shots.empty() && shots.back().wedges.empty()) {
            Shot& shot = shots.back();
            shot.wedges = drawnOn(t, Drawing::Kind::Pie);
            shot.burst = drawnOn(t, Drawing::Kind::Line);
            shot.hit = t.demoHit;
            shot.lengths.push_back(std::round(std::hypot(t.Line2->p2().x(), t.Line2->p2().y())));
        }
        if (hitPictureFrom < 0 &&
            t.imgInv->pixmap().toImage().convertToFormat(hitPicture.format()) == hitPicture) {
            hitPictureFrom = clock.now();
        }
    }
    ASSERT_EQ(shots.size(), 4u);
    const int expected[][2] = {{3, 140}, {6, 80}, {9, 90}, {3, 140}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(shots[i].tick, expected[i][0]);
        EXPECT_EQ(shots[i].angle, expected[i][1]);
    }
    EXPECT_EQ(shots[0].startMs, 3000);
    EXPECT_EQ(shots[0].wedges.size(), 14u);
    EXPECT_EQ(shots[0].lengths, (std::vector<double>{0, 60, 120, 180, 215}));
    ASSERT_EQ(shots[1].wedges.size(), 8u);
    EXPECT_NEAR(shots[1].wedges[1].startDeg, 9, 1e-3);
    EXPECT_NEAR(shots[1].wedges.back().startDeg, 63, 1e-3);
    EXPECT_EQ(shots[1].wedges.back().endDeg, 80);

    // The two misses end in a starburst of 61 short and 11 long strokes; only 90 hits.
    for (int i : {0, 1}) {
        ASSERT_EQ(shots[i].burst.size(), 72u);
        const QPointF tip(AngleX(215, shots[i].angle), AngleY(215, shots[i].angle));
        for (int k = 0; k < 72; ++k) {
            const Drawing& stroke = shots[i].burst[k];
            EXPECT_EQ(stroke.from, tip);
            const double len = std::hypot(stroke.to.x() - tip.x(), stroke.to.y() - tip.y());
            EXPECT_TRUE(k < 61 ? len < 6.5 : len > 6.5 && len < 14.5) << k << ": " << len;
        }
        EXPECT_FALSE(shots[i].hit);
    }
    EXPECT_TRUE(shots[2].hit);
    EXPECT_TRUE(shots[2].burst.empty());
    EXPECT_GT(hitPictureFrom, shots[2].startMs);
    EXPECT_LT(hitPictureFrom, shots[3].startMs);
    EXPECT_TRUE(nav.isShown(ScreenId::Version));
    // The demonstration is silent: only the clicks of the load and of the button sounded.
    EXPECT_EQ(sound.commands().size(), 3u);
}

TEST_F(TitleTest, LeavingDuringAShotLeavesNothingBehind) {
    state.gReadMeShown = 1;
    recordShows(ScreenId::Briefing);
    FrmTezraStart& first = openTitle();
    ASSERT_TRUE(clock.advanceUntil([&] { return first.demoPhase == 1; }, 6000));
    QPointer<FrmTezraStart> left(&first);
    QTest::mouseClick(first.cmdLo, Qt::LeftButton);
    EXPECT_TRUE(!left || !AnyTimerRunning(*left));

    // The next title's first shot sweeps its whole fan before it flies.
    FrmTezraStart* next = title();
    ASSERT_TRUE(next && next != left.data() && nav.isShown(ScreenId::Title));
    ASSERT_TRUE(clock.advanceUntil([&] { return next->mDemoBusy == 1; }, 4000));
    ASSERT_TRUE(clock.advanceUntil([&] { return next->mDemoBusy == 0; }, 4000));
    EXPECT_EQ(drawnOn(*next, Drawing::Kind::Pie).size(), 14u);
}

}  // namespace
