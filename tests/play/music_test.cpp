#include <QFile>

#include "support/play_fixture.h"

// The stage music and its switch, as the device commands they send.
using MusicTest = PlayFixture;

namespace {
std::vector<QString> commandsOnly(const std::vector<QString>& calls) {
    std::vector<QString> out;
    for (const QString& c : calls) {
        if (!c.startsWith("FileName=")) {
            out.push_back(c);
        }
    }
    return out;
}

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
}  // namespace

TEST_F(MusicTest, PlayBgmFollowsTheSetting) {
    const std::tuple<int, std::vector<QString>, bool, bool> cases[] = {
        {1, {"open", "play"}, true, false},
        {0, {"close"}, false, true},
        {2, {"open", "play"}, false, false},  // neither button shows an unknown value
    };
    for (const auto& [setting, commands, onChecked, offChecked] : cases) {
        SCOPED_TRACE(setting);
        state.gBgmOn = setting;
        PlayProbe& s = nav.find(ScreenId::Play) ? play() : start(1, 1);
        sound.clear();
        s.PlayBgm();
        EXPECT_EQ(commandsOnly(sound.commandsOf("mmcMidi")), commands);
        EXPECT_EQ(s.mBgmLoop, setting != 0 ? 1 : 0);
        EXPECT_EQ(s.optOnOff[1]->isChecked(), onChecked);
        EXPECT_EQ(s.optOnOff[0]->isChecked(), offChecked);
    }
}

TEST_F(MusicTest, TheSwitchStartsAndStopsWithoutRestarting) {
    state.gBgmOn = 0;
    PlayProbe& s = start(1, 2);
    sound.clear();
    s.optOnOff[1]->click();
    EXPECT_EQ(state.gBgmOn, 1);
    EXPECT_EQ(sound.commandsOf("mmcMidi"), (std::vector<QString>{"open", "play"}));
    sound.clear();
    s.optOnOff[1]->click();  // already on: the piece goes on undisturbed
    EXPECT_TRUE(sound.commandsOf("mmcMidi").empty());
    s.optOnOff[0]->click();
    EXPECT_EQ(state.gBgmOn, 0);
    EXPECT_EQ(sound.commandsOf("mmcMidi"), (std::vector<QString>{"close"}));
}

TEST_F(MusicTest, TheEndOfThePieceLoopsItOrClosesTheDevice) {
    PlayProbe& s = start(1, 1);
    sound.clear();
    ASSERT_EQ(sound.finish("mmcMidi"), 1);
    EXPECT_EQ(sound.commandsOf("mmcMidi"), (std::vector<QString>{"seek", "prev", "play"}));

    sound.clear();
    s.StopBgm();
    EXPECT_EQ(sound.commandsOf("mmcMidi"), (std::vector<QString>{"stop", "close"}));
    sound.clear();
    sound.finish("mmcMidi");
    EXPECT_EQ(sound.commandsOf("mmcMidi"), (std::vector<QString>{"close"}));
}

TEST_F(MusicTest, EffectsSendTheirCommands) {
    PlayProbe& s = start(1, 1);
    sound.clear();
    s.SoundDen();
    s.SoundPo();
    s.SoundBu(1);
    s.SoundStageClear();
    EXPECT_EQ(
        sound.commands(),
        (std::vector<QString>{"mmcDen: flag=False", "mmcDen: prev", "mmcDen: play",
                              "mmcPo: flag=False", "mmcPo: sound", "mmcBu(1): flag=False",
                              "mmcBu(1): sound", "mmcSClear: flag=False", "mmcSClear: sound"}));
}

TEST_F(MusicTest, LeavingThePlayScreenClosesEveryDeviceAndSavesTheSwitch) {
    PlayProbe& s = start(1, 1);
    s.optOnOff[0]->click();
    sound.clear();
    s.cmdChange->click();
    // The title comes next; its click is not this screen's doing.
    std::vector<QString> calls = sound.commands();
    std::erase_if(calls, [](const QString& line) { return line.startsWith("mmcPopi"); });
    ASSERT_GE(calls.size(), 11u);
    for (std::size_t i = 0; i < 10; ++i) {
        EXPECT_TRUE(calls[i].endsWith(": close")) << calls[i];
        EXPECT_FALSE(calls[i].startsWith("mmcMidi")) << calls[i];
    }
    EXPECT_EQ(calls[10], "mmcMidi: close");
    EXPECT_EQ(fileBytes(state.gAppDir + "dat_midi.ini"), " 0\r\n");
    EXPECT_EQ(state.gScore, 300);
}

TEST_F(MusicTest, AStageClearStopsTheMusicAndTheNextStagePlaysItsOwn) {
    PlayProbe& s = start(1, 1);
    round().gRest = 0;
    sound.clear();
    s.NextRound();
    EXPECT_EQ(sound.commandsOf("mmcMidi"), (std::vector<QString>{"stop", "close"}));
    sound.clear();
    clock.advance(16 * 400);  // the clear message, then the briefing
    Screen* briefing = nav.find(ScreenId::Briefing);
    ASSERT_NE(briefing, nullptr);
    briefing->findChild<QPushButton*>("cmdStart")->click();
    const auto midi = sound.commandsOf("mmcMidi");
    ASSERT_FALSE(midi.empty());
    EXPECT_EQ(midi.front(), "FileName=" + state.gAppDir + "midi0002.mid");
    EXPECT_EQ(commandsOnly(midi), (std::vector<QString>{"open", "play"}));
}
