#include "sound/wave_device.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

#include "sound/sound_command.h"

WaveDevice::WaveDevice() = default;

WaveDevice::~WaveDevice() {
    stop();
}

void WaveDevice::setFileName(const QString& path) {
    if (path == fileName_ && effect_) {
        return;
    }
    fileName_ = path;
    effect_.reset();
    load();
}

void WaveDevice::load() {
    if (effect_ || !QFileInfo(fileName_).isFile()) {
        return;  // a missing file stays silent without Qt complaining about it
    }
    effect_ = std::make_unique<QSoundEffect>();
    QSoundEffect* effect = effect_.get();
    QObject::connect(effect, &QSoundEffect::playingChanged, effect, [this, effect] {
        if (playedByPlay_ && !effect->isPlaying()) {
            playedByPlay_ = false;
            notifyDone();
        }
    });
    effect_->setSource(QUrl::fromLocalFile(fileName_));
}

void WaveDevice::stop() {
    playedByPlay_ = false;
    if (effect_) {
        effect_->stop();
    }
}

void WaveDevice::command(const QString& cmd) {
    switch (parseSoundCommand(cmd)) {
        case SoundCommand::Sound:
            stop();
            load();
            if (effect_) {
                effect_->play();
            }
            break;
        case SoundCommand::Open:
            load();
            break;
        case SoundCommand::Play:
            load();
            if (effect_ && !effect_->isPlaying()) {
                playedByPlay_ = true;
                effect_->play();
            }
            break;
        case SoundCommand::Prev:
        case SoundCommand::Seek:
        case SoundCommand::Stop:
            stop();
            break;
        case SoundCommand::Close:
            stop();
            effect_.reset();
            break;
        case SoundCommand::Unknown:
            break;
    }
}
