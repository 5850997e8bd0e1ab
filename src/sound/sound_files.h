#pragma once

#include <array>

// The game's sound files beside the program. The generator writes them and the screens play
// them; the build reads the quoted names below to know what the generator makes.

enum class SoundEffect {
    Popi,
    Shot,
    Pyu,
    Den,
    Step0,
    Step1,
    Po,
    Pu,
    Click,
    Gun,
    StageClear,
    AllClear,
    GameOver,
};

inline constexpr std::array kEffectFiles{
    "wav_popi.wav", "wav_shot.wav", "wav_pyu.wav",  "wav_den.wav",  "wav_bu0.wav",
    "wav_bu1.wav",  "wav_po.wav",   "wav_pu.wav",   "wav_clic.wav", "wav_gun.wav",
    "wav_clea.wav", "wav_all.wav",  "wav_over.wav",
};
static_assert(kEffectFiles.size() == static_cast<std::size_t>(SoundEffect::GameOver) + 1);

constexpr const char* EffectFile(SoundEffect effect) {
    return kEffectFiles[static_cast<std::size_t>(effect)];
}

// The stage tunes, for stages 1 to 3.
inline constexpr std::array kStageTuneFiles{"midi0001.mid", "midi0002.mid", "midi0003.mid"};
