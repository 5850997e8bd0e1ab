// The one symbol of the sound plugin; see sound_plugin.h.
#include <QtGlobal>
#include <type_traits>

#include "sound/real_sound.h"
#include "sound/sound_plugin.h"

extern "C" Q_DECL_EXPORT SoundSystem* tezra_make_sound_system(int volume) {
    RealSoundOptions options;
    options.volume = volume;
    // Music rendered with nowhere to go, for measuring the game where there is no audio device.
    if (qEnvironmentVariable("TEZRA_MUSIC_OUTPUT") == QLatin1String("discard")) {
        options.midiOutput = MidiOutput::Discard;
    }
    return new RealSoundSystem(std::move(options));
}

static_assert(std::is_same_v<decltype(&tezra_make_sound_system), MakeSoundSystem>);
