#include "sound/real_sound.h"

#include <QAudioDevice>
#include <QMediaDevices>

#include "sound/midi_device.h"
#include "sound/silent_sound.h"
#include "sound/wave_device.h"

RealSoundSystem::RealSoundSystem(RealSoundOptions options)
    // Qt would otherwise say "No audio device detected" on every effect played.
    : effectsAudible_(!QMediaDevices::audioOutputs().isEmpty()),
      midi_(std::make_shared<MidiEngine>(options.midiOutput, std::move(options.soundFonts))) {}

RealSoundSystem::~RealSoundSystem() = default;

std::unique_ptr<SoundDevice> RealSoundSystem::create(DeviceType type, const QString&) {
    if (type == DeviceType::Sequencer) {
        return std::make_unique<MidiDevice>(midi_);
    }
    if (effectsAudible_) {
        return std::make_unique<WaveDevice>(lingering_);
    }
    return std::make_unique<SilentDevice>();
}
