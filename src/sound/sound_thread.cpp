#include "sound/sound_thread.h"

#include <QThread>

#include "sound/sound_plugin.h"
#include "sound/threaded_sound.h"

namespace {
// How long the end of the program waits for a sound thread that answered to let go of the sound
// server.
constexpr unsigned long kFarewellMs = 500;
}  // namespace

SoundThread::SoundThread(std::chrono::milliseconds patience) : patience_(patience) {
    watchdog_.setSingleShot(true);
    QObject::connect(&watchdog_, &QTimer::timeout, [this] {
        qWarning("sound server does not answer: playing without sound");
        waiting_ = true;
        answer(nullptr);
    });
}

SoundThread::~SoundThread() {
    finish();
}

bool SoundThread::finish() {
    if (!thread_ || !lane_->soundSide) {
        return !thread_ || thread_->isFinished();
    }
    lane_->closeUi();
    lane_->toSound([lane = lane_] {
        lane->remotes.clear();
        lane->system.reset();
        QThread::currentThread()->quit();
    });
    lane_->soundSide = nullptr;
    if (waiting_ || !thread_->wait(kFarewellMs)) {
        return false;  // holds nothing the game needs: waiting would only keep the game open
    }
    delete std::exchange(thread_, nullptr);
    return true;
}

void SoundThread::start(QStringList paths, Ready ready, int volume) {
    if (thread_) {
        return;
    }
    ready_ = std::move(ready);
    lane_ = std::make_shared<SoundLane>();
    thread_ = new QThread;
    thread_->setObjectName(QStringLiteral("sound"));
    auto* soundSide = new QObject;
    soundSide->moveToThread(thread_);
    QObject::connect(thread_, &QThread::finished, soundSide, &QObject::deleteLater);
    lane_->soundSide = soundSide;
    thread_->start();
    lane_->toSound([this, lane = lane_, paths = std::move(paths), volume] {
        if (MakeSoundSystem make = LoadSoundPlugin(paths)) {
            lane->system.reset(make(volume));
        }
        const bool made = lane->system != nullptr;
        const bool heard = made && lane->system->hasAudioOutput();
        // Run only while this object is there: its destructor closes the UI side first.
        lane->toUi([this, made, heard] {
            waiting_ = false;
            if (ready_ && made && !heard) {
                qWarning("no sound device: playing without sound");
            }
            answer(made ? std::make_unique<ThreadedSoundSystem>(lane_, heard) : nullptr);
        });
    });
    watchdog_.start(patience_);
}

void SoundThread::answer(std::unique_ptr<SoundSystem> system) {
    if (!ready_) {
        return;  // the watchdog answered first
    }
    watchdog_.stop();
    std::exchange(ready_, {})(std::move(system));
}
