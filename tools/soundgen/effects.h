#pragma once

#include <span>
#include <vector>

#include "sound/sound_files.h"

namespace soundgen {

constexpr int kEffectRate = 22050;

// One effect and the recipe that renders its samples.
struct Effect {
    SoundEffect effect;
    std::vector<float> (*render)();
};

std::span<const Effect> allEffects();

// Frequency of a MIDI note number (69 = A4 = 440 Hz).
double noteHz(double note);

// Recipes, grouped by where they sound.
std::vector<float> renderPopi();
std::vector<float> renderPo();
std::vector<float> renderPu();
std::vector<float> renderClick();
std::vector<float> renderPyu();
std::vector<float> renderShot();
std::vector<float> renderDen();
std::vector<float> renderStep0();
std::vector<float> renderStep1();
std::vector<float> renderGun();
std::vector<float> renderStageClear();
std::vector<float> renderAllClear();
std::vector<float> renderGameOver();

}  // namespace soundgen
