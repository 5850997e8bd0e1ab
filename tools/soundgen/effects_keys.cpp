// Clicks and blips that answer the player's keys and buttons: short, bright, never tiring.
#include "effects.h"
#include "synth.h"

namespace soundgen {

std::vector<float> renderPopi() {
    Mix mix(kEffectRate);
    Tone po{.wave = Wave::Square, .start = 0.0, .length = 0.045, .duty = 0.25, .decay = 20.0};
    po.startHz = po.endHz = noteHz(88);  // E6
    Tone pi = po;
    pi.start = 0.05;
    pi.length = 0.08;
    pi.startHz = pi.endHz = noteHz(95);  // B6
    pi.release = 0.03;
    for (Tone tone : {po, pi}) {
        mix.add(tone);
        tone.wave = Wave::Triangle;  // an octave below for body
        tone.startHz /= 2.0;
        tone.endHz /= 2.0;
        tone.level = 0.6;
        mix.add(tone);
    }
    return mix.finish(0.6);
}

std::vector<float> renderPo() {
    Mix mix(kEffectRate);
    mix.add({.wave = Wave::Triangle,
             .length = 0.07,
             .startHz = 900.0,
             .endHz = 850.0,
             .decay = 30.0,
             .release = 0.02});
    mix.add({.wave = Wave::Square,
             .length = 0.07,
             .startHz = 900.0,
             .endHz = 850.0,
             .level = 0.25,
             .decay = 45.0,
             .release = 0.02,
             .lowpassHz = 3000.0});
    return mix.finish(0.55);
}

std::vector<float> renderPu() {
    Mix mix(kEffectRate);
    mix.add({.wave = Wave::Triangle,
             .length = 0.04,
             .startHz = 700.0,
             .endHz = 560.0,
             .decay = 40.0,
             .release = 0.012});
    return mix.finish(0.45);
}

std::vector<float> renderClick() {
    Mix mix(kEffectRate);
    mix.add({.wave = Wave::Noise,
             .length = 0.014,
             .startHz = 16000.0,
             .endHz = 16000.0,
             .attack = 0.0005,
             .decay = 200.0,
             .release = 0.004,
             .lowpassHz = 6000.0});
    mix.add({.wave = Wave::Square,
             .length = 0.008,
             .startHz = 3200.0,
             .endHz = 3000.0,
             .level = 0.4,
             .attack = 0.0005,
             .release = 0.003});
    mix.add({.wave = Wave::Triangle,
             .length = 0.035,
             .startHz = 190.0,
             .endHz = 150.0,
             .level = 0.6,
             .attack = 0.001,
             .decay = 80.0,
             .release = 0.01});
    return mix.finish(0.5);
}

std::vector<float> renderPyu() {
    Mix mix(kEffectRate);
    const Tone rise{.wave = Wave::Square,
                    .length = 0.18,
                    .startHz = 700.0,
                    .endHz = 2100.0,
                    .duty = 0.25,
                    .decay = 8.0,
                    .release = 0.06};
    mix.add(rise);
    Tone body = rise;
    body.wave = Wave::Triangle;
    body.startHz /= 2.0;
    body.endHz /= 2.0;
    body.level = 0.7;
    mix.add(body);
    return mix.finish(0.6);
}

}  // namespace soundgen
