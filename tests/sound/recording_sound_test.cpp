#include <gtest/gtest.h>

#include "doubles/recording_sound.h"
#include "sound/silent_sound.h"
#include "sound/sound_command.h"

using Lines = std::vector<QString>;

TEST(RecordingSound, LogsEveryCallOfEveryDeviceInOneOrder) {
    RecordingSoundSystem sound;
    auto midi = sound.create(DeviceType::Sequencer, "mmcMidi");
    auto den = sound.create(DeviceType::WaveAudio, "mmcDen");
    midi->setFileName("/game/midi0001.mid");
    den->setFileName("/game/wav_den.wav");
    den->command(SoundCommand::Open);
    den->setCommandFlag(false);
    den->command(SoundCommand::Prev);
    midi->command(SoundCommand::Open);
    den->command(SoundCommand::Play);
    midi->setCommandFlag(true);

    EXPECT_EQ(sound.commands(),
              (Lines{"mmcMidi: FileName=/game/midi0001.mid", "mmcDen: FileName=/game/wav_den.wav",
                     "mmcDen: open", "mmcDen: flag=False", "mmcDen: prev", "mmcMidi: open",
                     "mmcDen: play", "mmcMidi: flag=True"}));
    EXPECT_EQ(sound.commandsOf("mmcDen"),
              (Lines{"FileName=/game/wav_den.wav", "open", "flag=False", "prev", "play"}));
    EXPECT_EQ(sound.calls().at(3), (SoundCall{"mmcDen", "CommandFlag", "False"}));
    EXPECT_EQ(sound.typeOf("mmcMidi"), DeviceType::Sequencer);
    EXPECT_EQ(sound.typeOf("mmcDen"), DeviceType::WaveAudio);
    EXPECT_EQ(sound.typeOf("mmcPo"), std::nullopt);

    sound.clear();
    EXPECT_TRUE(sound.commands().empty());
    den->command(SoundCommand::Sound);
    EXPECT_EQ(sound.commands(), (Lines{"mmcDen: sound"}));
}

TEST(RecordingSound, FinishDeliversDoneToTheLiveDevicesOfThatNameOnly) {
    RecordingSoundSystem sound;
    auto midi = sound.create(DeviceType::Sequencer, "mmcMidi");
    auto po = sound.create(DeviceType::WaveAudio, "mmcPo");
    int poDone = 0;
    po->onDone([&] { ++poDone; });
    // The game's loop: the Done handler sends the restart commands to the same device.
    midi->onDone([&] {
        midi->command(SoundCommand::Seek);
        midi->command(SoundCommand::Prev);
        midi->command(SoundCommand::Play);
    });

    EXPECT_EQ(sound.finish("mmcMidi"), 1);
    EXPECT_EQ(sound.commands(), (Lines{"mmcMidi: seek", "mmcMidi: prev", "mmcMidi: play"}));
    EXPECT_EQ(poDone, 0);

    EXPECT_EQ(sound.liveCount("mmcMidi"), 1);
    midi.reset();
    EXPECT_EQ(sound.liveCount("mmcMidi"), 0);
    EXPECT_EQ(sound.finish("mmcMidi"), 0);
    EXPECT_EQ(sound.finish("mmcPo"), 1);
    EXPECT_EQ(poDone, 1);
}

TEST(RecordingSound, ADoneHandlerMayDestroyAnotherDeviceOfTheSameName) {
    RecordingSoundSystem sound;
    std::unique_ptr<SoundDevice> first = sound.create(DeviceType::Sequencer, "mmcMidi");
    std::unique_ptr<SoundDevice> second = sound.create(DeviceType::Sequencer, "mmcMidi");
    first->onDone([&] { second.reset(); });
    second->onDone([] { FAIL() << "a destroyed device got Done"; });
    EXPECT_EQ(sound.finish("mmcMidi"), 1);
}

TEST(RecordingSound, AnEffectSoundsOnWithoutItsDeviceButMusicEndsWithIt) {
    RecordingSoundSystem sound;
    auto click = sound.create(DeviceType::WaveAudio, "mmcClick");
    auto shot = sound.create(DeviceType::WaveAudio, "mmcShoot");
    auto den = sound.create(DeviceType::WaveAudio, "mmcDen");
    auto midi = sound.create(DeviceType::Sequencer, "mmcMidi");
    click->command(SoundCommand::Sound);
    click->command(SoundCommand::Close);  // closed mid-effect: the effect plays on
    click->command(SoundCommand::Sound);
    shot->command(SoundCommand::Sound);
    den->command(SoundCommand::Play);
    midi->command(SoundCommand::Play);
    EXPECT_EQ(sound.sounding(), (Lines{"mmcClick", "mmcClick", "mmcShoot", "mmcDen", "mmcMidi"}));

    shot->command(SoundCommand::Stop);
    EXPECT_EQ(sound.finish("mmcDen"), 1);  // it ended by itself
    midi.reset();
    click.reset();  // the screen unloads
    EXPECT_EQ(sound.sounding(), (Lines{"mmcClick", "mmcClick"}));
    EXPECT_EQ(sound.endSound("mmcClick"), 2);
    EXPECT_TRUE(sound.sounding().empty());
}

TEST(RecordingSound, DevicesKeepRecordingAfterTheSystemIsGone) {
    std::unique_ptr<SoundDevice> click;
    {
        RecordingSoundSystem sound;
        click = sound.create(DeviceType::WaveAudio, "mmcPopi");
    }
    click->command(
        SoundCommand::Sound);  // must not touch freed memory (the sanitizer build checks)
    click->command(SoundCommand::Close);
}

TEST(SilentSound, DevicesAcceptEverythingAndNeverReportDone) {
    SilentSoundSystem sound;
    for (DeviceType type : {DeviceType::WaveAudio, DeviceType::Sequencer}) {
        auto device = sound.create(type, "mmcAny");
        bool done = false;
        device->onDone([&] { done = true; });
        device->command(SoundCommand::Close);
        device->setFileName("");
        device->setCommandFlag(false);
        for (SoundCommand cmd :
             {SoundCommand::Open, SoundCommand::Sound, SoundCommand::Prev, SoundCommand::Play,
              SoundCommand::Seek, SoundCommand::Stop, SoundCommand::Close}) {
            device->command(cmd);
        }
        EXPECT_FALSE(done);
    }
}
