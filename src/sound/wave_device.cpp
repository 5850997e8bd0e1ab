#include "sound/wave_device.h"

#include <QFile>
#include <QSoundEffect>
#include <QUrl>
#include <QtEndian>

#include "sound/sound_command.h"

namespace {

// Whether the file is a RIFF WAVE file with a format chunk and then some sound data.
// Qt's decoder complains about anything else, and leaks what it had read.
bool isWaveFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray riff = file.read(12);
    if (riff.size() < 12 || !riff.startsWith("RIFF") || riff.mid(8) != "WAVE") {
        return false;
    }
    bool format = false;
    while (!file.atEnd()) {
        const QByteArray header = file.read(8);
        if (header.size() < 8) {
            return false;
        }
        const quint32 size = qFromLittleEndian<quint32>(header.constData() + 4);
        if (header.startsWith("data")) {
            return format && size > 0 && !file.atEnd();
        }
        format = format || (header.startsWith("fmt ") && size >= 16);
        if (!file.seek(file.pos() + size + (size & 1))) {
            return false;
        }
    }
    return false;
}

}  // namespace

WaveDevice::WaveDevice(std::weak_ptr<LingeringEffects> lingering, std::shared_ptr<const float> gain)
    : lingering_(std::move(lingering)), gain_(std::move(gain)) {}

WaveDevice::~WaveDevice() {
    release();
}

void WaveDevice::setFileName(const QString& path) {
    if (path == fileName_ && effect_) {
        return;
    }
    fileName_ = path;
    release();
    load();
}

void WaveDevice::load() {
    if (effect_ || !isWaveFile(fileName_)) {
        return;  // a missing or damaged file is silence
    }
    effect_ = std::make_unique<QSoundEffect>();
    QSoundEffect* effect = effect_.get();
    doneWatch_ = QObject::connect(effect, &QSoundEffect::playingChanged, effect, [this, effect] {
        if (playedByPlay_ && !effect->isPlaying()) {
            playedByPlay_ = false;
            notifyDone();
        }
    });
    effect_->setSource(QUrl::fromLocalFile(fileName_));
}

void WaveDevice::play() {
    // At full volume an effect that was never made quieter plays exactly as Qt makes it.
    if (effect_->volume() != *gain_) {
        effect_->setVolume(*gain_);
    }
    effect_->play();
}

void WaveDevice::stop() {
    playedByPlay_ = false;
    if (effect_) {
        effect_->stop();
    }
}

void WaveDevice::release() {
    playedByPlay_ = false;
    if (!effect_) {
        return;
    }
    QObject::disconnect(doneWatch_);  // the device may be gone when the effect ends
    if (auto lingering = lingering_.lock()) {
        lingering->adopt(std::move(effect_));
    }
    effect_.reset();
}

void WaveDevice::command(SoundCommand cmd) {
    switch (cmd) {
        case SoundCommand::Sound:
            stop();
            load();
            if (effect_) {
                play();
            }
            break;
        case SoundCommand::Open:
            load();
            break;
        case SoundCommand::Play:
            load();
            if (effect_ && !effect_->isPlaying()) {
                playedByPlay_ = true;
                play();
            }
            break;
        case SoundCommand::Prev:
        case SoundCommand::Seek:
        case SoundCommand::Stop:
            stop();
            break;
        case SoundCommand::Close:
            release();
            break;
    }
}
