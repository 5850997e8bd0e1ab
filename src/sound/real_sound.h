#pragma once

#include <QStringList>
#include <memory>

#include "sound/lingering_effects.h"
#include "sound/midi_engine.h"
#include "sound/sound_device.h"

struct RealSoundOptions {
    MidiOutput midiOutput = MidiOutput::Speakers;
    QStringList soundFonts = MidiEngine::systemSoundFonts();
    int volume = 100;  // effects and music together, 0-100; 100 plays every sound as made
};

// The game's sound: WAV effects through Qt Multimedia, MIDI music through FluidSynth. Made in an
// instant: the synthesizer starts on its own thread. With no audio output the effects are
// silent devices and the music is silent too; nothing else notices. An effect whose device closes
// or goes while it plays belongs to the system until it ends.
class RealSoundSystem : public SoundSystem {
  public:
    explicit RealSoundSystem(RealSoundOptions options = {});
    ~RealSoundSystem() override;

    std::unique_ptr<SoundDevice> create(DeviceType type, const QString& name) override;
    void setVolume(int volume) override;

    // Whether WAV effects reach an audio output (decided once, when the system is made).
    bool hasAudioOutput() const override { return effectsAudible_; }
    // The state of the synthesizer, for diagnostics and tests.
    MidiEngine::State musicState() const { return midi_->state(); }

  private:
    bool effectsAudible_;
    // On every sample of the effects that start from now on, and of the music.
    std::shared_ptr<float> gain_;
    std::shared_ptr<MidiEngine> midi_;
    std::shared_ptr<LingeringEffects> lingering_ = std::make_shared<LingeringEffects>();
};
