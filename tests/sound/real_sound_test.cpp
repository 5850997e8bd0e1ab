#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include "sound/real_sound.h"
#include "sound/wave_device.h"
#include "tiny_midi.h"
#include "tiny_wave.h"

namespace {

// Runs the UI event loop until `done` holds or `timeoutMs` have passed; returns `done()`.
template <typename Predicate>
bool runUntil(Predicate done, int timeoutMs) {
    QElapsedTimer elapsed;
    elapsed.start();
    while (!done() && elapsed.elapsed() < timeoutMs) {
        QEventLoop loop;
        QTimer::singleShot(10, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return done();
}

// Music that runs with no audio device, as on a build machine.
RealSoundOptions headless(int volume = 100) {
    return {MidiOutput::Discard, MidiEngine::systemSoundFonts(), volume};
}

void sendEverything(SoundDevice& device) {
    device.command(SoundCommand::Close);  // never opened
    device.setCommandFlag(false);
    device.command(SoundCommand::Sound);
    device.command(SoundCommand::Open);
    device.setCommandFlag(false);
    device.command(SoundCommand::Prev);
    device.command(SoundCommand::Play);
    device.command(SoundCommand::Seek);
    device.command(SoundCommand::Prev);
    device.command(SoundCommand::Play);
    device.command(SoundCommand::Stop);
    device.command(SoundCommand::Close);
}

class RealSoundTest : public ::testing::Test {
  protected:
    QString file(const QString& name) const { return dir_.filePath(name); }
    QTemporaryDir dir_;
};

}  // namespace

TEST_F(RealSoundTest, TheSystemAndADozenDevicesAreMadeAtOnce) {
    QElapsedTimer elapsed;
    elapsed.start();
    RealSoundSystem sound;
    std::vector<std::unique_ptr<SoundDevice>> devices;
    for (int i = 0; i < 11; ++i) {
        devices.push_back(sound.create(DeviceType::WaveAudio, "mmcFx"));
        devices.back()->setFileName(file("wav_missing.wav"));
    }
    devices.push_back(sound.create(DeviceType::Sequencer, "mmcMidi"));
    EXPECT_LT(elapsed.elapsed(), 250);
}

TEST_F(RealSoundTest, MissingDamagedOrUnnamedFilesAreSilentAndNeverReportDone) {
    QFile damaged(file("damaged.mid"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("MThd\x00\x00\x00\x06garbage that is no music at all");
    damaged.close();
    QFile noise(file("noise.wav"));
    ASSERT_TRUE(noise.open(QIODevice::WriteOnly));
    noise.write("RIFF....WAVEnot really");
    noise.close();
    QFile cut(file("cut.wav"));  // a header that promises sound which is not there
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(QByteArray("RIFF\x24\0\0\0WAVEfmt \x10\0\0\0", 20) + QByteArray(16, '\x01') +
              QByteArray("data\x10\0\0\0", 8));
    cut.close();

    RealSoundSystem sound(headless());
    const QStringList paths{file("missing.mid"),
                            "/no/such/folder/wav_po.wav",
                            "",
                            file("damaged.mid"),
                            file("noise.wav"),
                            dir_.path()};
    std::vector<std::unique_ptr<SoundDevice>> devices;
    int dones = 0;
    for (const QString& path : paths) {
        for (DeviceType type : {DeviceType::WaveAudio, DeviceType::Sequencer}) {
            devices.push_back(sound.create(type, "mmcAny"));
            devices.back()->onDone([&] { ++dones; });
            devices.back()->setFileName(path);
            sendEverything(*devices.back());
            devices.back()->command(SoundCommand::Open);
            devices.back()->command(SoundCommand::Play);
        }
        auto wave = std::make_unique<WaveDevice>(std::weak_ptr<LingeringEffects>());
        wave->setFileName(path);
        sendEverything(*wave);
        devices.push_back(std::move(wave));
    }
    runUntil([&] { return sound.musicState() != MidiEngine::State::Starting; }, 2000);
    runUntil([] { return false; }, 300);
    EXPECT_EQ(dones, 0);
    devices.clear();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // Qt's own clean-up
}

TEST_F(RealSoundTest, AThousandCommandsReturnAtOnce) {
    ASSERT_TRUE(writeTinyMidi(file("tune.mid")));
    RealSoundSystem sound(headless());
    runUntil([&] { return sound.musicState() != MidiEngine::State::Starting; }, 2000);
    auto midi = sound.create(DeviceType::Sequencer, "mmcMidi");
    auto effect = std::make_unique<WaveDevice>(std::weak_ptr<LingeringEffects>());
    midi->setFileName(file("tune.mid"));
    effect->setFileName(file("missing.wav"));

    const SoundCommand pattern[] = {SoundCommand::Open, SoundCommand::Play, SoundCommand::Stop,
                                    SoundCommand::Seek, SoundCommand::Prev, SoundCommand::Play,
                                    SoundCommand::Close};
    QElapsedTimer elapsed;
    elapsed.start();
    for (int i = 0; i < 1000; ++i) {
        midi->command(pattern[i % 7]);
        effect->setCommandFlag(false);
        effect->command(SoundCommand::Sound);
    }
    EXPECT_LT(elapsed.elapsed(), 200);
}

TEST_F(RealSoundTest, AnEffectWhoseDeviceClosesOrGoesPlaysOnTillItEnds) {
    ASSERT_TRUE(writeTinyWave(file("click.wav")));
    auto lingering = std::make_shared<LingeringEffects>();
    std::vector<std::unique_ptr<WaveDevice>> devices;
    int dones = 0;
    for (int i = 0; i < 4; ++i) {
        devices.push_back(std::make_unique<WaveDevice>(lingering));
        devices.back()->onDone([&] { ++dones; });
        devices.back()->setFileName(file("click.wav"));
        devices.back()->command(SoundCommand::Play);
    }
    devices[0]->command(SoundCommand::Stop);  // cut: nothing lingers
    devices[1]->command(SoundCommand::Close);
    std::unique_ptr<WaveDevice> outlived = std::move(devices[3]);
    devices.clear();  // the screen unloads mid-effect
    const QList<QSoundEffect*> playing = lingering->effects();
    ASSERT_EQ(playing.size(), 2);
    EXPECT_TRUE(playing[0]->isPlaying() && playing[1]->isPlaying());
    // Qt loads the shared sample on a thread of its own; a test that ends while it loads leaks it.
    ASSERT_TRUE(runUntil([&] { return playing[1]->status() != QSoundEffect::Loading; }, 5000));
    EXPECT_EQ(playing[1]->status(), QSoundEffect::Ready);

    // With no audio output an effect never runs out here; stopping it is what its end does.
    playing[0]->stop();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(lingering->effects(), QList<QSoundEffect*>{playing[1]});
    EXPECT_EQ(dones, 0);  // Done belonged to the devices, which are gone

    lingering.reset();  // the system goes and cuts what still plays (the sanitizer build checks)
    outlived->command(SoundCommand::Sound);
    outlived.reset();  // nothing left to play on in: cut
}

// An effect keeps the volume it started with; at full volume Qt's own is left alone.
TEST_F(RealSoundTest, AnEffectPlaysAtTheVolumeOfWhenItStarted) {
    ASSERT_TRUE(writeTinyWave(file("click.wav")));
    auto lingering = std::make_shared<LingeringEffects>();
    auto gain = std::make_shared<float>(1.0F);
    WaveDevice early(lingering, gain);
    WaveDevice late(lingering, gain);
    early.setFileName(file("click.wav"));
    late.setFileName(file("click.wav"));
    early.command(SoundCommand::Sound);
    *gain = 0.2F;
    late.command(SoundCommand::Sound);
    early.command(SoundCommand::Close);
    late.command(SoundCommand::Close);
    const QList<QSoundEffect*> playing = lingering->effects();
    ASSERT_EQ(playing.size(), 2);
    EXPECT_EQ(playing[0]->volume(), 1.0F);
    EXPECT_FLOAT_EQ(playing[1]->volume(), 0.2F);
    ASSERT_TRUE(runUntil(
        [&] {
            return playing[0]->status() != QSoundEffect::Loading &&
                   playing[1]->status() != QSoundEffect::Loading;
        },
        5000));
}

// The music follows at once, even a change that comes while the synthesizer is starting.
TEST_F(RealSoundTest, TheMusicTakesANewVolumeAtOnce) {
    MidiEngine engine(MidiOutput::Discard, MidiEngine::systemSoundFonts(), 1.0F);
    engine.setGain(0.2F);
    ASSERT_TRUE(runUntil([&] { return engine.state() == MidiEngine::State::Ready; }, 5000));
    const auto gainNow = [&] {
        float gain = -1;
        engine.withSynth([&](fluid_synth_t* synth) { gain = fluid_synth_get_gain(synth); });
        return gain;
    };
    EXPECT_FLOAT_EQ(gainNow(), 0.1F);
    engine.setGain(1.0F);
    EXPECT_FLOAT_EQ(gainNow(), 0.5F);
}

// At volume 0 too: silent music keeps its time, or the game's loop would stall or race.
TEST_F(RealSoundTest, APiecePlaysToItsEndAndTheGamesLoopRestartsIt) {
    ASSERT_TRUE(writeTinyMidi(file("tune.mid")));  // three notes, 0.3 s
    for (const int volume : {100, 0}) {
        SCOPED_TRACE(testing::Message() << "volume " << volume);
        // "play" comes while the synthesizer is still starting: it waits for it, not the caller.
        RealSoundSystem sound(headless(volume));
        auto midi = sound.create(DeviceType::Sequencer, "mmcMidi");
        std::vector<qint64> doneAt;
        bool onMainThread = true;
        QElapsedTimer clock;
        midi->onDone([&] {
            doneAt.push_back(clock.elapsed());
            onMainThread = onMainThread && QThread::currentThread() == qApp->thread();
            if (doneAt.size() < 2) {
                midi->command(SoundCommand::Seek);
                midi->command(SoundCommand::Prev);
                midi->command(SoundCommand::Play);
            } else {
                midi->command(SoundCommand::Close);
            }
        });
        midi->setFileName(file("tune.mid"));
        clock.start();
        midi->command(SoundCommand::Open);
        midi->command(SoundCommand::Play);

        ASSERT_TRUE(runUntil([&] { return doneAt.size() == 2; }, 2500));
        EXPECT_TRUE(onMainThread);
        EXPECT_GE(doneAt[0], 280);              // it really played, in real time
        EXPECT_GE(doneAt[1] - doneAt[0], 280);  // and the second time from the beginning
        runUntil([] { return false; }, 400);
        EXPECT_EQ(doneAt.size(), 2U);  // closed: no more
    }
}

TEST_F(RealSoundTest, StoppedOrClosedMusicReportsNoDone) {
    ASSERT_TRUE(writeTinyMidi(file("tune.mid"), 2));
    RealSoundSystem sound(headless());
    auto stopped = sound.create(DeviceType::Sequencer, "mmcMidi");
    auto destroyed = sound.create(DeviceType::Sequencer, "mmcMidi");
    int dones = 0;
    for (auto* device : {stopped.get(), destroyed.get()}) {
        device->onDone([&] { ++dones; });
        device->setFileName(file("tune.mid"));
        device->command(SoundCommand::Open);
        device->command(SoundCommand::Play);
    }
    runUntil([] { return false; }, 100);
    stopped->command(SoundCommand::Stop);
    stopped->command(SoundCommand::Close);
    destroyed.reset();
    runUntil([] { return false; }, 400);
    EXPECT_EQ(dones, 0);
}

TEST_F(RealSoundTest, WithoutASoundFontTheMusicIsSilent) {
    ASSERT_TRUE(writeTinyMidi(file("tune.mid")));
    RealSoundSystem sound({MidiOutput::Discard, {file("none.sf2"), dir_.path()}});
    auto midi = sound.create(DeviceType::Sequencer, "mmcMidi");
    bool done = false;
    midi->onDone([&] { done = true; });
    midi->setFileName(file("tune.mid"));
    midi->command(SoundCommand::Open);
    midi->command(SoundCommand::Play);
    EXPECT_TRUE(runUntil([&] { return sound.musicState() == MidiEngine::State::Silent; }, 2000));
    runUntil([] { return false; }, 400);
    EXPECT_FALSE(done);
    midi->command(SoundCommand::Stop);
    midi->command(SoundCommand::Close);
}
