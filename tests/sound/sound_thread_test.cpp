#include <gtest/gtest.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QHostAddress>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include "captured_messages.h"
#include "doubles/recording_sound.h"
#include "sound/deferred_sound.h"
#include "sound/sound_plugin.h"
#include "sound/sound_thread.h"
#include "sound/threaded_sound.h"
#include "support/qt_printers.h"

using Lines = std::vector<QString>;

namespace {

// Runs the UI event loop for `ms`, or until `done` holds; returns the longest time the loop
// could not run, which is how long a player's click would have waited.
template <typename Predicate>
qint64 longestStall(int ms, Predicate done) {
    QElapsedTimer elapsed;
    elapsed.start();
    qint64 last = 0;
    qint64 longest = 0;
    while (!done() && elapsed.elapsed() < ms) {
        QEventLoop loop;
        QTimer::singleShot(10, &loop, &QEventLoop::quit);
        loop.exec();
        longest = std::max(longest, elapsed.elapsed() - last);
        last = elapsed.elapsed();
    }
    return longest;
}

QStringList realPlugin() {
    return SoundPluginPaths(qEnvironmentVariable("TEZRA_GAME_DIR"));
}

}  // namespace

// A server that accepts and never answers: the kernel accepts for the listener, which never
// reads. Every test runs in a process of its own (ctest), so this is the server Qt meets first.
TEST(SoundThread, ASilentSoundServerNeverHoldsUpTheUiThread) {
    QTcpServer silent;
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost));
    qputenv("PULSE_SERVER", QByteArray("tcp:127.0.0.1:") + QByteArray::number(silent.serverPort()));
    CapturedMessages messages;
    DeferredSoundSystem sound;
    auto midi = sound.create(DeviceType::Sequencer, "mmcMidi");
    auto po = sound.create(DeviceType::WaveAudio, "mmcPo");
    {
        SoundThread thread(std::chrono::milliseconds(1500));
        thread.start(realPlugin(), [&](std::unique_ptr<SoundSystem> real) {
            EXPECT_EQ(real, nullptr);
            sound.attach(std::make_unique<RecordingSoundSystem>());
        });
        QElapsedTimer calls;
        calls.start();
        midi->setFileName("midi0001.mid");
        midi->command(SoundCommand::Open);
        midi->command(SoundCommand::Play);
        for (int i = 0; i < 100; ++i) {
            po->command(SoundCommand::Sound);
        }
        EXPECT_LT(calls.elapsed(), 200);
        const qint64 stall = longestStall(6000, [&] { return sound.attached(); });
        EXPECT_TRUE(sound.attached());
        EXPECT_LT(stall, 500);
    }  // the thread stuck in the server is left behind, not waited for
    EXPECT_EQ(messages.lines(), QStringList{"sound server does not answer: playing without sound"});
}

TEST(SoundThread, WithoutASoundServerTheGameSaysSoInOneLineOfItsOwn) {
    QTemporaryDir dir;
    qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(dir.filePath("no-server")));
    CapturedMessages messages;
    std::unique_ptr<SoundSystem> system;
    SoundThread thread;
    thread.start(realPlugin(),
                 [&](std::unique_ptr<SoundSystem> real) { system = std::move(real); });
    longestStall(10000, [&] { return system != nullptr; });
    ASSERT_NE(system, nullptr);
    EXPECT_FALSE(system->hasAudioOutput());
    EXPECT_EQ(messages.lines(), QStringList{"no sound device: playing without sound"});
}

TEST(SoundThread, LoadsThePluginAndHandsOverASystemOnTheUiThreadOrNothing) {
    auto load = [](const QStringList& paths) {
        SoundThread thread;
        std::optional<bool> made;
        thread.start(paths, [&](std::unique_ptr<SoundSystem> system) {
            made = system != nullptr;
            EXPECT_EQ(QThread::currentThread(), QCoreApplication::instance()->thread());
            if (system) {
                system->create(DeviceType::WaveAudio, "mmcPo")->command(SoundCommand::Open);
            }
        });
        longestStall(10000, [&] { return made.has_value(); });
        return made;
    };
    EXPECT_EQ(load({"/nonexistent/libtezra_sound.so", "/etc/passwd"}), false);
    EXPECT_EQ(load(realPlugin()), true) << realPlugin().join(", ").toStdString();
}

// The sound thread's devices are recording ones: the calls arrive there in order, from there
// Done comes back to the UI thread, and a Done that crossed a later call is not reported.
TEST(SoundThread, CallsArriveInOrderAndDoneComesBackUnlessALaterCallCrossedIt) {
    QThread thread;
    QObject soundSide;
    soundSide.moveToThread(&thread);
    thread.start();
    auto lane = std::make_shared<SoundLane>();
    lane->soundSide = &soundSide;
    RecordingSoundSystem* recording = nullptr;
    auto onSoundThread = [&](std::function<void()> work) {
        QMetaObject::invokeMethod(&soundSide, std::move(work), Qt::BlockingQueuedConnection);
    };
    onSoundThread([&] {
        lane->system = std::make_unique<RecordingSoundSystem>();
        recording = static_cast<RecordingSoundSystem*>(lane->system.get());
    });
    ThreadedSoundSystem sound(lane, true);
    auto midi = sound.create(DeviceType::Sequencer, "mmcMidi");
    auto po = sound.create(DeviceType::WaveAudio, "mmcPo");
    QThread* doneOn = nullptr;
    int dones = 0;
    midi->onDone([&] {
        ++dones;
        doneOn = QThread::currentThread();
    });
    midi->setFileName("/game/midi0001.mid");
    midi->command(SoundCommand::Play);
    po->setCommandFlag(false);
    po->command(SoundCommand::Sound);
    sound.setVolume(20);
    onSoundThread([&] { recording->finish("mmcMidi"); });
    longestStall(100, [&] { return dones > 0; });
    EXPECT_EQ(dones, 1);
    EXPECT_EQ(doneOn, QCoreApplication::instance()->thread());

    onSoundThread([&] { recording->finish("mmcMidi"); });
    midi->command(SoundCommand::Stop);  // sent before the Done arrived: the Done is stale
    po.reset();
    longestStall(100, [] { return false; });
    EXPECT_EQ(dones, 1);
    onSoundThread([&] {
        EXPECT_EQ(recording->commands(),
                  (Lines{"mmcMidi: FileName=/game/midi0001.mid", "mmcMidi: play",
                         "mmcPo: flag=False", "mmcPo: sound", "mmcMidi: stop"}));
        EXPECT_EQ(recording->liveCount("mmcPo"), 0);
        EXPECT_EQ(recording->volumes(), std::vector<int>{20});
        lane->remotes.clear();
        lane->system.reset();
    });
    sound.setVolume(30);  // the system has gone: dropped
    onSoundThread([] {});
    lane->closeUi();
    thread.quit();
    thread.wait();
}

// A plugin is code run as the player: only a file of root or of the player that nobody else may
// write is loaded. Copies of the real plugin, on the real file system.
TEST(SoundPlugin, OnlyAFileOfRootOrThePlayerThatOnlyTheyMayWriteIsLoaded) {
    QTemporaryDir dir;
    const QString good = dir.filePath("good.so");
    ASSERT_TRUE(QFile::copy(realPlugin().front(), good));
    ASSERT_EQ(::chmod(QFile::encodeName(good).constData(), 0755), 0);

    const QString writable = dir.filePath("writable.so");
    ASSERT_TRUE(QFile::copy(good, writable));
    ASSERT_EQ(::chmod(QFile::encodeName(writable).constData(), 0666), 0);
    const QString link = dir.filePath("link.so");
    ASSERT_TRUE(QFile::link(good, link));
    const QString folder = dir.filePath("folder.so");
    ASSERT_TRUE(QDir().mkdir(folder));
    {
        CapturedMessages messages;
        EXPECT_EQ(LoadSoundPlugin({writable, link, folder, dir.filePath("missing.so")}), nullptr);
        EXPECT_EQ(
            messages.lines(),
            (QStringList{"sound plugin " + writable + " not loaded: others may write it",
                         "sound plugin " + link + " not loaded: it is a symbolic link",
                         "sound plugin " + folder + " not loaded: it is not a regular file"}));
    }

    {
        CapturedMessages messages;
        EXPECT_NE(LoadSoundPlugin({writable, good}), nullptr);  // the next one is taken
        EXPECT_EQ(messages.lines().size(), 1);
    }

    if (::geteuid() != 0) {
        GTEST_SKIP() << "a plugin of another user needs root to be made";
    }
    const QString foreign = dir.filePath("foreign.so");
    ASSERT_TRUE(QFile::copy(good, foreign));
    ASSERT_EQ(::chown(QFile::encodeName(foreign).constData(), 65534, 65534), 0);  // nobody
    CapturedMessages messages;
    EXPECT_EQ(LoadSoundPlugin({foreign}), nullptr);
    EXPECT_EQ(messages.lines(),
              QStringList{"sound plugin " + foreign + " not loaded: it belongs to another user"});
}
