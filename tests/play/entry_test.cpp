#include <QApplication>
#include <QFile>

#include "persist/data_files.h"
#include "support/play_fixture.h"

namespace {

const QColor kTypedWhite(255, 255, 255);
const QColor kNothingTypedGrey(80, 80, 80);

std::vector<QString> clicks(int n) {
    std::vector<QString> lines;
    for (int i = 0; i < n; ++i) {
        lines.insert(lines.end(), {"mmcPo: flag=False", "mmcPo: sound"});
    }
    return lines;
}

int countOf(const std::vector<QString>& lines, const QString& line) {
    return static_cast<int>(std::count(lines.begin(), lines.end(), line));
}

QString firstLineOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return "(missing)";
    }
    return QString::fromLatin1(file.readLine()).remove('\r').remove('\n');
}

}  // namespace

class EntryTest : public PlayFixture {
  protected:
    // A key that types a character the way the window delivers it.
    void press(QChar c) {
        if (c.isDigit() && c.unicode() < 128) {
            type(QString(c));
        } else if (c == '\b') {
            key(Qt::Key_Backspace, "\b");
        } else if (c.isLetter() && c.unicode() < 128) {
            key(static_cast<Qt::Key>(Qt::Key_A + (c.toLower().unicode() - 'a')), QString(c));
        } else {
            key(Qt::Key_unknown, QString(c));  // a character from an input method
        }
    }
    std::vector<QString> effectsSince(std::size_t mark) const {
        std::vector<QString> lines = soundsSince(mark);
        std::erase_if(lines, [](const QString& l) { return l.startsWith("mmcBu"); });
        return lines;
    }
};

TEST_F(EntryTest, DigitsBuildTheAngleAndAnythingElseStartsAgain) {
    struct Case {
        const char* keys;
        const char* shown;
        int clicks;
    };
    const Case cases[] = {
        {"125", "125", 3},
        {"180", "180", 3},
        {"185", "0", 3},  // over 180: back to 0, still a
                          // click
        {"190", "0", 3},
        {"0", "0", 1},
        {"07", "7", 2},
        {"12a", "0", 2},
        {"12\b", "0", 2},
        {"1１", "0", 1},
        {"ab", "0", 0},
        {"1a5", "5", 2},
    };
    PlayProbe& s = start(2, 1);
    for (const Case& c : cases) {
        const QString keys = QString::fromUtf8(c.keys);
        SCOPED_TRACE(keys.toStdString());
        s.NextRound();
        const std::size_t mark = soundMark();
        for (QChar k : keys) {
            press(k);
        }
        const bool typed = QString(c.shown) != "0";
        EXPECT_EQ(s.lblAngle->caption(), c.shown);
        EXPECT_EQ(round().gInputAngle, QString(c.shown).toInt());
        EXPECT_EQ(s.lblAngle->foreground(), typed ? kTypedWhite : kNothingTypedGrey);
        EXPECT_EQ(s.cmdShoot->isVisibleTo(&s.screen), typed);
        if (typed) {
            EXPECT_EQ(s.screen.focusWidget(), s.cmdShoot);
        }
        EXPECT_EQ(effectsSince(mark), clicks(c.clicks));
        EXPECT_FALSE(s.tmrOugi->enabled());
    }
}

TEST_F(EntryTest, AnAngleThatRoundsToZeroFiresNothing) {
    PlayProbe& s = start(1, 1);
    type("4");
    const std::size_t mark = soundMark();
    key(Qt::Key_Space, " ");
    EXPECT_EQ(round().gInputAngle, 0);
    EXPECT_EQ(s.lblAngle->caption(), "0");
    EXPECT_EQ(s.lblAngle->foreground(), kNothingTypedGrey);
    EXPECT_FALSE(s.cmdShoot->isVisibleTo(&s.screen));
    EXPECT_FALSE(s.model.busy());
    EXPECT_EQ(round().gTarget, 999);
    EXPECT_FALSE(s.tmrOugi->enabled());
    EXPECT_TRUE(effectsSince(mark).empty());
}

TEST_F(EntryTest, TheTypedAngleIsCountedFromTheRedLine) {
    struct Case {
        int level, stage, invader;
        const char* typed;
        int fired;
    };
    const Case cases[] = {
        {1, 1, 20, "15", 20},  // fired at the nearest ten, halves upwards
        {2, 1, 130, "125", 130},
        {2, 2, 30, "30", 30},   // mirrored field: 30 above the line on the left
        {1, 3, 40, "50", 50},   // line straight up, counted to the right
        {2, 3, 150, "55", 60},  // counted to the left
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "level " << c.level << " stage " << c.stage);
        queueAngles({c.invader});
        PlayProbe& s = restart(c.level, c.stage);
        ASSERT_EQ(round().gInvAngle[0], c.invader);
        type(c.typed);
        const std::size_t mark = soundMark();
        key(Qt::Key_Space, " ");
        EXPECT_EQ(round().gInputAngle, c.fired);
        EXPECT_EQ(s.lblAngle->caption(), QString::number(c.fired));
        EXPECT_EQ(round().gTarget, 0);
        EXPECT_TRUE(s.model.busy());
        EXPECT_FALSE(s.cmdShoot->isVisibleTo(&s.screen));
        EXPECT_FALSE(s.lblMsg[0]->isVisibleTo(&s.screen));
        EXPECT_TRUE(s.tmrOugi->enabled());
        EXPECT_EQ(effectsSince(mark), clicks(1));
    }
}

TEST_F(EntryTest, AShotAtNoInvaderMisses) {
    queueAngles({20});
    PlayProbe& s = start(1, 1);
    fire(30);
    EXPECT_EQ(round().gTarget, 999);
    EXPECT_TRUE(s.model.busy());
}

TEST_F(EntryTest, EnterAndSpaceEachFireExactlyOnce) {
    struct Case {
        const char* name;
        Qt::Key key;
        const char* text;
    };
    for (const Case c : {Case{"Enter", Qt::Key_Return, "\r"}, Case{"Space", Qt::Key_Space, " "}}) {
        SCOPED_TRACE(c.name);
        queueAngles({60});
        restart(2, 1);
        type("60");
        const std::size_t mark = soundMark();
        key(c.key, c.text);
        // The key must not also reach the entry: the fired angle stays.
        EXPECT_EQ(round().gInputAngle, 60);
        EXPECT_EQ(round().gTarget, 0);
        key(c.key, c.text);
        runUntilReady();
        const auto effects = effectsSince(mark);
        EXPECT_EQ(countOf(effects, "mmcPo: sound"), 1);
        EXPECT_EQ(countOf(effects, "mmcShoot: sound"), 1);
        EXPECT_EQ(countOf(effects, "mmcPyu: sound"), 1);
        EXPECT_EQ(round().gRest, 14);
    }
}

TEST_F(EntryTest, EnterWithNothingTypedOnlyClearsTheEntry) {
    PlayProbe& s = start(1, 3);
    state.gScore = 450;
    type("19");
    EXPECT_EQ(s.screen.focusWidget(), s.cmdShoot);
    type("0");  // 190 is over 180: the entry is 0 again, and the fire button goes with the focus
    ASSERT_FALSE(s.cmdShoot->isVisibleTo(&s.screen));
    const std::size_t mark = soundMark();
    key(Qt::Key_Return, "\r");
    // Whatever button the focus went to, Enter never leaves the stage.
    EXPECT_TRUE(nav.isLoaded(&s.screen));
    EXPECT_EQ(state.gStage, 3);
    EXPECT_EQ(state.gScore, 450);
    EXPECT_EQ(round().gInputAngle, 0);
    EXPECT_FALSE(s.model.busy());
    EXPECT_FALSE(s.tmrOugi->enabled());
    EXPECT_TRUE(effectsSince(mark).empty());
}

TEST_F(EntryTest, KeysCountForNothingUntilTheNextRoundIsPlaced) {
    queueAngles({60});
    PlayProbe& s = start(2, 1);
    fire(60);
    const std::size_t mark = soundMark();
    int keysIgnored = 0;
    for (int ms = 0; ms < 20000 && s.model.busy(); ms += 20) {
        type("7");
        key(Qt::Key_Space, " ");
        key(Qt::Key_Return, "\r");
        EXPECT_EQ(round().gInputAngle, 60) << "at " << ms << " ms";
        ++keysIgnored;
        advance(20);
    }
    EXPECT_GT(keysIgnored, 20);  // fan, shot and the hit follow-up all took their time
    EXPECT_FALSE(s.model.busy());
    EXPECT_EQ(round().gRest, 14);
    const auto effects = effectsSince(mark);
    EXPECT_EQ(countOf(effects, "mmcPo: sound"), 0);
    EXPECT_EQ(countOf(effects, "mmcShoot: sound"), 1);
    // The new round takes keys again.
    type("3");
    EXPECT_EQ(round().gInputAngle, 3);
}

TEST_F(EntryTest, TheMarksKeyHelpsAtLevelTwoOnly) {
    struct Case {
        int level;
        Qt::KeyboardModifiers mods;
        std::size_t drawingsAdded;
    };
    const Case cases[] = {
        {2, Qt::ControlModifier | Qt::ShiftModifier, 226},
        {2, Qt::ControlModifier, 0},
        {2, Qt::ShiftModifier, 0},
        {1, Qt::ControlModifier | Qt::ShiftModifier, 0},
        {3, Qt::ControlModifier | Qt::ShiftModifier, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "level " << c.level << " mods " << c.mods.toInt());
        PlayProbe& s = restart(c.level, 1);
        type("12");
        const std::size_t before = s.picMain->displayList().size();
        key(Qt::Key_B, c.mods & Qt::ControlModifier ? "\x02" : "B", c.mods);
        EXPECT_EQ(s.picMain->displayList().size(), before + c.drawingsAdded);
        EXPECT_EQ(round().gInputAngle, 0);
        EXPECT_EQ(s.lblAngle->caption(), "0");
    }
}

TEST_F(EntryTest, LevelTwoMarksLastUntilTheFieldIsCleared) {
    queueAngles({60});
    PlayProbe& s = start(2, 1);
    key(Qt::Key_B, "\x02", Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_FALSE(s.picMain->displayList().empty());
    fire(60);  // firing clears the field for the fan
    EXPECT_TRUE(s.picMain->displayList().empty());
}

TEST_F(EntryTest, F1OpensHelpOnlyWhileTheHelpButtonIsEnabled) {
    queueAngles({60});
    PlayProbe& s = start(2, 1);
    key(Qt::Key_F1, {}, Qt::ShiftModifier);
    Screen* help = nav.find(ScreenId::Help);
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(nav.isShown(ScreenId::Help));
    nav.unload(help);

    fire(60);
    advance(400);  // the guard takes the help button away while a shot runs
    ASSERT_FALSE(s.cmdHelp->isEnabled());
    key(Qt::Key_F1);
    EXPECT_EQ(nav.find(ScreenId::Help), nullptr);
}

TEST_F(EntryTest, AltF4EndsAtOnceWithoutClosingOrSaving) {
    start(1, 1);
    const std::size_t mark = soundMark();
    key(Qt::Key_F4, {}, Qt::AltModifier);
    EXPECT_TRUE(nav.ended());
    for (const QString& line : soundsSince(mark)) {
        EXPECT_FALSE(line.endsWith(": close")) << line.toStdString();
    }
    EXPECT_FALSE(QFile::exists(state.gAppDir + kMusicFile));
}

TEST_F(EntryTest, F4WithOtherShiftsDoesNotEnd) {
    PlayProbe& s = start(1, 1);
    for (Qt::KeyboardModifiers mods :
         {Qt::KeyboardModifiers(Qt::NoModifier), Qt::AltModifier | Qt::ShiftModifier,
          Qt::KeyboardModifiers(Qt::ControlModifier)}) {
        key(Qt::Key_F4, {}, mods);
        EXPECT_FALSE(nav.ended());
        EXPECT_TRUE(nav.isLoaded(&s.screen));
    }
}

struct LeaveCase {
    const char* button;
    int score, hiScore;
    bool ends;
    int hiScoreAfter;
};

class LeaveTest : public PlayFixture, public testing::WithParamInterface<LeaveCase> {};

TEST_P(LeaveTest, LeavingByAButtonClosesTheDevicesAndSavesTheMusicSetting) {
    const LeaveCase c = GetParam();
    state.gScore = c.score;
    state.gHiScore = c.hiScore;
    PlayProbe& s = start(1, 1);
    const std::size_t mark = soundMark();
    s.screen.findChild<QPushButton*>(c.button)->click();
    EXPECT_EQ(enterName(), c.hiScoreAfter != c.hiScore);
    EXPECT_FALSE(nav.isLoaded(&s.screen));
    const auto lines = soundsSince(mark);
    for (const char* device : {"mmcShoot", "mmcPyu", "mmcDen", "mmcBu(0)", "mmcBu(1)", "mmcPo",
                               "mmcPu", "mmcClick", "mmcGun", "mmcSClear", "mmcMidi"}) {
        EXPECT_EQ(countOf(lines, QString(device) + ": close"), 1) << device;
    }
    EXPECT_EQ(firstLineOf(state.gAppDir + kMusicFile), " 1");
    EXPECT_EQ(nav.ended(), c.ends);
    EXPECT_EQ(state.gHiScore, c.hiScoreAfter);
    const bool newHighScore = c.hiScoreAfter != c.hiScore;
    EXPECT_EQ(firstLineOf(state.gAppDir + kHighScoreFile),
              newHighScore ? QString(" %1").arg(c.hiScoreAfter) : QString("(missing)"));
    if (c.button == QString("cmdChange")) {
        EXPECT_EQ(state.gScore, 300);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, LeaveTest,
    testing::Values(LeaveCase{"cmdChange", 310, 300, false, 300},
                    LeaveCase{"cmdEnd", 300, 300, true, 300},
                    // The name entry comes first and takes the score as the new high score.
                    LeaveCase{"cmdEnd", 310, 300, true, 310}));

TEST_F(EntryTest, StatusShowsWhatIsLeftAndTheScoreAsPlainDigits) {
    PlayProbe& s = start(1, 1);
    round().gRest = 7;
    state.gScore = 1250;
    s.ShowStatus();
    EXPECT_EQ(s.lblRest->caption(), "7");
    EXPECT_EQ(s.lblScore->caption(), "1250");
    round().gInputAngle = 130;
    s.ShowInputAngle();
    EXPECT_EQ(s.lblAngle->caption(), "130");
    EXPECT_EQ(s.lblAngle->foreground(), kTypedWhite);
    EXPECT_EQ(s.lblAngle->background(), QColor(255, 0, 0));
    EXPECT_TRUE(s.cmdShoot->isVisibleTo(&s.screen));
    round().gInputAngle = 0;
    s.ShowInputAngle();
    EXPECT_EQ(s.lblAngle->caption(), "0");
    EXPECT_EQ(s.lblAngle->foreground(), kNothingTypedGrey);
    EXPECT_FALSE(s.cmdShoot->isVisibleTo(&s.screen));
}

// On a grid of 5°, an invader the picker placed at 45° is hit by a typed 45, which the fan sweeps
// exactly and no further.
TEST_F(EntryTest, OnAFiveDegreeGridATyped45HitsTheInvaderAt45) {
    run.settings.grid = {5, 5, 180};
    queueAngles({45});
    PlayProbe& s = start(1, 1);
    ASSERT_EQ(round().gInvAngle[0], 45);
    EXPECT_EQ(picker.asked().at(0).grid, run.settings.grid);
    fire(45);
    EXPECT_EQ(s.lblAngle->caption(), "45");
    EXPECT_EQ(round().gTarget, 0);
    clock.advanceUntil([&] { return s.lblHitMsg->isVisible(); }, 3000);
    EXPECT_EQ(s.lblHitMsg->caption(), "命中 !!");
    double fanEnd = 0;
    for (const Drawing& d : s.picMain->displayList()) {
        if (d.kind == Drawing::Kind::Pie) {
            fanEnd = std::max(fanEnd, d.endDeg);
        }
    }
    EXPECT_EQ(fanEnd, 45);
}
