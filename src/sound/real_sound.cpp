#include "sound/real_sound.h"

#include <QAudio>
#include <QAudioDevice>
#include <QMediaDevices>
#include <algorithm>
#include <atomic>

#include "sound/midi_device.h"
#include "sound/silent_sound.h"
#include "sound/wave_device.h"

namespace {

// While a thread looks for an audio output: without a sound server Qt Multimedia says so in
// its own words, which mean nothing to a player; the game says it in its own. A refused
// connection is told by PulseAudio's own thread, while the looking thread waits for it.
thread_local bool tProbing = false;
std::atomic<bool> gProbing = false;
QtMessageHandler gOuterHandler = nullptr;

void quietWhileProbing(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    const bool aboutProbe =
        tProbing || (gProbing && text.contains(QLatin1String("PulseAudioService")));
    if (!aboutProbe || type == QtFatalMsg) {
        gOuterHandler(type, context, text);
    }
}

bool findAudioOutput() {
    gOuterHandler = qInstallMessageHandler(quietWhileProbing);
    tProbing = true;
    gProbing = true;
    const bool found = !QMediaDevices::audioOutputs().isEmpty();
    gProbing = false;
    tProbing = false;
    qInstallMessageHandler(gOuterHandler);
    return found;
}

// A volume control is heard on a logarithmic scale: each step down sounds about as much quieter
// as the last. A plain fraction of the samples would leave 50 barely quieter than 100 and crowd
// the whole quiet end into the last few steps.
float gainFor(int volume) {
    return QAudio::convertVolume(static_cast<float>(std::clamp(volume, 0, 100)) / 100.0F,
                                 QAudio::LogarithmicVolumeScale, QAudio::LinearVolumeScale);
}

}  // namespace

RealSoundSystem::RealSoundSystem(RealSoundOptions options)
    // Qt would otherwise say "No audio device detected" on every effect played.
    : effectsAudible_(findAudioOutput()),
      gain_(std::make_shared<float>(gainFor(options.volume))),
      midi_(std::make_shared<MidiEngine>(options.midiOutput, std::move(options.soundFonts),
                                         *gain_)) {}

RealSoundSystem::~RealSoundSystem() = default;

std::unique_ptr<SoundDevice> RealSoundSystem::create(DeviceType type, const QString&) {
    if (type == DeviceType::Sequencer) {
        return std::make_unique<MidiDevice>(midi_);
    }
    if (effectsAudible_) {
        return std::make_unique<WaveDevice>(lingering_, gain_);
    }
    return std::make_unique<SilentDevice>();
}

void RealSoundSystem::setVolume(int volume) {
    *gain_ = gainFor(volume);
    midi_->setGain(*gain_);
}
