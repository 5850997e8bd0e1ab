#include "play/stage_rules.h"
#include "support/play_fixture.h"

using SetupTest = PlayFixture;

TEST(StageRules, LevelTable) {
    const auto l1 = *RulesForLevel(1);
    EXPECT_EQ(l1.points, (std::array<int, 4>{20, 30, 40, 50}));
    EXPECT_EQ(l1.name, "やさしい");
    EXPECT_EQ(l1.invaders, 10);
    const auto l2 = *RulesForLevel(2);
    EXPECT_EQ(l2.points, (std::array<int, 4>{40, 50, 60, 70}));
    EXPECT_EQ(l2.name, "ふつう");
    EXPECT_EQ(l2.invaders, 15);
    EXPECT_FALSE(l2.zeroMarkShown);
    const auto l3 = *RulesForLevel(3);
    EXPECT_EQ(l3.points, (std::array<int, 4>{50, 70, 80, 90}));
    EXPECT_EQ(l3.name, "むずかしい");
    EXPECT_EQ(l3.invaders, 20);
    EXPECT_FALSE(l3.singleInvader);
    EXPECT_FALSE(RulesForLevel(0));
    EXPECT_FALSE(RulesForLevel(4));
}

TEST(StageRules, ProgressionThroughLevelsToTheAllClear) {
    const std::tuple<int, int, Advance> cases[] = {
        {1, 1, {1, 2, false}}, {1, 3, {2, 1, false}}, {2, 3, {3, 1, false}},
        {3, 2, {3, 3, false}}, {3, 3, {3, 1, true}},
    };
    for (auto [level, stage, next] : cases) {
        const Advance a = AdvanceAfterClear(level, stage);
        EXPECT_EQ(std::tie(a.level, a.stage, a.allClear),
                  std::tie(next.level, next.stage, next.allClear))
            << level << "-" << stage;
    }
}

TEST_F(SetupTest, EveryLevelAndStageSetsUpItsScreen) {
    struct Case {
        int level, stage, rest;
        const char* name;
        bool zeroShown;
        int zeroScreenX;
        int imgOfs;
        bool dotted, upperStrand;
        QPointF lineEnd;
        const char* music;
    };
    const Case cases[] = {
        {1, 1, 10, "やさしい", true, 589, -16, false, true, {310, 0}, "midi0001.mid"},
        {1, 2, 10, "やさしい", true, 5, 16, false, true, {310, 0}, "midi0002.mid"},
        {1, 3, 10, "やさしい", false, 0, -16, true, false, {0, 310}, "midi0003.mid"},
        {2, 1, 15, "ふつう", false, 0, -16, false, true, {310, 0}, "midi0001.mid"},
        {3, 2, 20, "むずかしい", false, 0, 16, false, true, {310, 0}, "midi0002.mid"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "level " << c.level << " stage " << c.stage);
        state.gLevel = c.level;
        state.gStage = c.stage;
        PlayProbe& s = nav.find(ScreenId::Play) ? play() : start(c.level, c.stage);
        s.SetupStage();
        EXPECT_EQ(round().gRest, c.rest);
        EXPECT_EQ(s.lblLevel->caption(), c.name);
        EXPECT_EQ(s.lblStage->caption(), QString::number(c.stage));
        EXPECT_EQ(s.lbl0LR->isVisibleTo(&s.screen), c.zeroShown);
        if (c.zeroShown) {
            EXPECT_EQ(s.lbl0LR->x() - FieldCanvas::kBorder, c.zeroScreenX);
        }
        EXPECT_EQ(s.mImgOfsX, c.imgOfs);
        EXPECT_EQ(s.Line1[0]->p1(), QPointF(0, 0));
        EXPECT_EQ(s.Line1[0]->p2(), c.lineEnd);
        EXPECT_EQ(s.Line1[0]->dotted(), c.dotted);
        EXPECT_EQ(s.Line1[1]->visible(), c.upperStrand);
        EXPECT_EQ(s.Line1[1]->p1(), QPointF(1, 1));
        EXPECT_EQ(s.Line1[1]->p2(), QPointF(310, 1));
        EXPECT_EQ(round().gLastAngle1, 90);
        EXPECT_EQ(round().gLastAngle2, 10);
        EXPECT_EQ(round().gLastAngle3, 180);
        EXPECT_EQ(round().gTarget, 999);
        EXPECT_EQ(s.model.lineAngle(), 0);
        EXPECT_EQ(s.model.lineDir(), 1);
        const auto midi = sound.commandsOf("mmcMidi");
        const auto file = std::find_if(midi.rbegin(), midi.rend(),
                                       [](const QString& c) { return c.startsWith("FileName="); });
        EXPECT_EQ(*file, "FileName=" + state.gAppDir + c.music);
    }
}

TEST_F(SetupTest, MirroredFieldPutsZeroDegreesOnTheLeft) {
    PlayProbe& s = start(1, 2);
    EXPECT_EQ(s.picMain->toScreen(0, 0), QPointF(315, 313));
    EXPECT_EQ(s.picMain->toScreen(310, 0), QPointF(5, 313));
    EXPECT_EQ(s.picMain->toScreen(-316, -37), QPointF(631, 350));
    state.gStage = 1;
    s.SetupStage();
    EXPECT_EQ(s.picMain->toScreen(310, 0), QPointF(625, 313));
}

TEST_F(SetupTest, StatusLabelsShowTheirNumbers) {
    state.gHiScore = 300;
    PlayProbe& s = start(1, 1);
    EXPECT_EQ(s.lblHiScore->caption(), " 300");
    EXPECT_EQ(s.lblStage->caption(), "1");
    EXPECT_EQ(s.lblHiName->caption(), "ずび");
    EXPECT_EQ(s.lblRest->caption(), "10");
    EXPECT_EQ(s.lblScore->caption(), "300");
    EXPECT_EQ(s.lblAngle->caption(), "0");
    EXPECT_TRUE(s.lblMsg[0]->isVisibleTo(&s.screen));
    EXPECT_EQ(s.lblMsg[0]->caption(), "キーボードから角度を入れてください");
    EXPECT_FALSE(s.cmdShoot->isVisibleTo(&s.screen));
    EXPECT_EQ(s.screen.size(), QSize(634, 449));
    EXPECT_EQ(s.picMain->geometry(), QRect(-1, 36, 635, 354));
}

TEST_F(SetupTest, EverySoundDeviceIsGivenItsFile) {
    start(1, 1);
    const QString dir = state.gAppDir;
    const std::pair<const char*, const char*> files[] = {
        {"mmcShoot", "wav_shot.wav"},  {"mmcPyu", "wav_pyu.wav"},    {"mmcDen", "wav_den.wav"},
        {"mmcBu(0)", "wav_bu0.wav"},   {"mmcBu(1)", "wav_bu1.wav"},  {"mmcPo", "wav_po.wav"},
        {"mmcPu", "wav_pu.wav"},       {"mmcClick", "wav_clic.wav"}, {"mmcGun", "wav_gun.wav"},
        {"mmcSClear", "wav_clea.wav"}, {"mmcMidi", "midi0001.mid"},
    };
    for (auto [device, file] : files) {
        EXPECT_EQ(sound.commandsOf(device).front(), "FileName=" + dir + file) << device;
    }
    EXPECT_EQ(sound.typeOf("mmcMidi"), DeviceType::Sequencer);
    EXPECT_EQ(sound.typeOf("mmcPo"), DeviceType::WaveAudio);
    // Only the rewound effect is opened at set-up; the music starts at once.
    EXPECT_EQ(sound.commandsOf("mmcDen"),
              (std::vector<QString>{"FileName=" + dir + "wav_den.wav", "open"}));
    EXPECT_EQ(sound.commandsOf("mmcMidi"),
              (std::vector<QString>{"FileName=" + dir + "midi0001.mid", "open", "play"}));
}

TEST_F(SetupTest, ContinueRestartsTheStageWithFullCountAndAngles) {
    PlayProbe& s = start(2, 1);
    round().gRest = 4;
    round().gLastAngle1 = 50;
    s.InitPlayScreen();
    EXPECT_EQ(round().gRest, 15);
    EXPECT_EQ(round().gLastAngle1, 90);
    EXPECT_EQ(round().gLastAngle2, 10);
    EXPECT_EQ(round().gLastAngle3, 180);
}
