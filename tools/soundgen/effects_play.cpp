// Sounds of the play field: the shot, its outcome, the invaders' steps and the final gun.
#include "effects.h"
#include "synth.h"

namespace soundgen {
namespace {

// The invaders' walk alternates two low notes a whole step apart.
std::vector<float> renderStep(double note) {
    Mix mix(kEffectRate);
    const double hz = noteHz(note);
    mix.add({.wave = Wave::Square,
             .length = 0.075,
             .startHz = hz,
             .endHz = hz * 0.9,
             .attack = 0.003,
             .decay = 25.0,
             .release = 0.025,
             .lowpassHz = 1200.0});
    mix.add({.wave = Wave::Triangle,
             .length = 0.075,
             .startHz = hz,
             .endHz = hz * 0.9,
             .level = 0.6,
             .attack = 0.003,
             .decay = 25.0,
             .release = 0.025});
    return mix.finish(0.65);
}

}  // namespace

std::vector<float> renderStep0() {
    return renderStep(45);
}  // A2
std::vector<float> renderStep1() {
    return renderStep(43);
}  // G2

std::vector<float> renderShot() {
    Mix mix(kEffectRate);
    mix.add({.wave = Wave::Square,
             .length = 0.3,
             .startHz = 1600.0,
             .endHz = 180.0,
             .decay = 6.0,
             .release = 0.08,
             .lowpassHz = 4000.0});
    mix.add({.wave = Wave::Noise,
             .length = 0.12,
             .startHz = 8000.0,
             .endHz = 1500.0,
             .level = 0.5,
             .attack = 0.001,
             .decay = 25.0,
             .release = 0.03,
             .lowpassHz = 5000.0});
    return mix.finish(0.7);
}

std::vector<float> renderDen() {
    Mix mix(kEffectRate);
    mix.add({.wave = Wave::Triangle,
             .length = 0.34,
             .startHz = 130.0,
             .endHz = 55.0,
             .attack = 0.003,
             .decay = 9.0,
             .release = 0.08});
    mix.add({.wave = Wave::Square,
             .length = 0.3,
             .startHz = 130.0,
             .endHz = 60.0,
             .level = 0.5,
             .attack = 0.003,
             .decay = 12.0,
             .release = 0.08,
             .lowpassHz = 400.0});
    mix.add({.wave = Wave::Noise,
             .length = 0.08,
             .startHz = 2000.0,
             .endHz = 1000.0,
             .level = 0.4,
             .attack = 0.001,
             .decay = 40.0,
             .release = 0.03,
             .lowpassHz = 600.0});
    return mix.finish(0.8);
}

std::vector<float> renderGun() {
    Mix mix(kEffectRate);
    mix.add({.wave = Wave::Noise,
             .length = 0.45,
             .startHz = 22050.0,
             .endHz = 22050.0,
             .attack = 0.001,
             .decay = 12.0,
             .release = 0.1,
             .lowpassHz = 5000.0});
    mix.add({.wave = Wave::Noise,
             .length = 0.4,
             .startHz = 3000.0,
             .endHz = 1500.0,
             .level = 0.7,
             .attack = 0.001,
             .decay = 8.0,
             .release = 0.1,
             .lowpassHz = 900.0});
    mix.add({.wave = Wave::Triangle,
             .length = 0.2,
             .startHz = 150.0,
             .endHz = 40.0,
             .level = 0.8,
             .attack = 0.001,
             .decay = 15.0,
             .release = 0.05});
    return mix.finish(0.85);
}

}  // namespace soundgen
