#include <gtest/gtest.h>

#include "doubles/recording_sound.h"
#include "sound/deferred_sound.h"

using Lines = std::vector<QString>;

namespace {

// The recording system attached later, still readable by the test.
struct Attached {
    DeferredSoundSystem sound;
    RecordingSoundSystem* real = nullptr;

    void attach() {
        auto recording = std::make_unique<RecordingSoundSystem>();
        real = recording.get();
        sound.attach(std::move(recording));
    }
};

}  // namespace

TEST(DeferredSound, WhatDevicesAreToldBeforeTheRealSystemComesReachesItInOrder) {
    Attached a;
    auto midi = a.sound.create(DeviceType::Sequencer, "mmcMidi");
    auto popi = a.sound.create(DeviceType::WaveAudio, "mmcPopi");
    midi->setFileName("/game/midi0001.mid");
    popi->setCommandFlag(false);
    midi->command(SoundCommand::Open);
    midi->command(SoundCommand::Play);
    auto dropped = a.sound.create(DeviceType::WaveAudio, "mmcGone");
    dropped->command(SoundCommand::Sound);
    dropped.reset();
    a.sound.setVolume(50);
    a.sound.setVolume(20);

    a.attach();
    EXPECT_EQ(a.real->volumes(), std::vector<int>{20});
    EXPECT_EQ(a.real->commandsOf("mmcMidi"),
              (Lines{"FileName=/game/midi0001.mid", "open", "play"}));
    EXPECT_EQ(a.real->sounding(), (Lines{"mmcMidi"}));
    EXPECT_EQ(a.real->commandsOf("mmcPopi"), (Lines{"flag=False"}));
    EXPECT_EQ(a.real->liveCount("mmcGone"), 0);

    // From now on calls go straight through, and new devices are the real system's own.
    a.real->clear();
    popi->command(SoundCommand::Sound);
    auto later = a.sound.create(DeviceType::WaveAudio, "mmcLater");
    later->command(SoundCommand::Open);
    EXPECT_EQ(a.real->commands(), (Lines{"mmcPopi: sound", "mmcLater: open"}));
    a.sound.setVolume(0);
    EXPECT_EQ(a.real->volumes(), (std::vector<int>{20, 0}));
}

TEST(DeferredSound, DoneOfTheRealDeviceReachesTheHandlerWhichMayRestartThePiece) {
    Attached a;
    auto midi = a.sound.create(DeviceType::Sequencer, "mmcMidi");
    int done = 0;
    midi->onDone([&] {
        ++done;
        midi->command(SoundCommand::Play);
    });
    midi->command(SoundCommand::Play);
    a.attach();
    EXPECT_EQ(a.real->finish("mmcMidi"), 1);
    EXPECT_EQ(done, 1);
    EXPECT_EQ(a.real->commandsOf("mmcMidi"), (Lines{"play", "play"}));
}

TEST(DeferredSound, DevicesMayOutliveTheSystemAttachedOrNot) {
    std::unique_ptr<SoundDevice> waiting;
    std::unique_ptr<SoundDevice> attached;
    {
        Attached a;
        waiting = a.sound.create(DeviceType::WaveAudio, "mmcPo");
        a.sound.attach(nullptr);  // no system is no change
        EXPECT_FALSE(a.sound.attached());
    }
    waiting->command(SoundCommand::Sound);
    {
        Attached a;
        attached = a.sound.create(DeviceType::WaveAudio, "mmcPo");
        a.attach();
    }
    attached->command(SoundCommand::Sound);
}
