// The little tunes of the stage clear, the all-clear and the game over.
#include <initializer_list>

#include "effects.h"
#include "synth.h"

namespace soundgen {
namespace {

struct JingleNote {
    int note;   // MIDI note number
    double at;  // seconds
    double length;
};

// Plays each note with the voice `shape`, which gives everything but the timing and pitch.
void addLine(Mix& mix, const Tone& shape, std::initializer_list<JingleNote> notes) {
    for (const JingleNote& n : notes) {
        Tone tone = shape;
        tone.start = n.at;
        tone.length = n.length;
        tone.startHz = tone.endHz = noteHz(n.note);
        mix.add(tone);
    }
}

const Tone kLead{.wave = Wave::Square, .duty = 0.25, .decay = 1.5, .release = 0.03};
const Tone kHarmony{
    .wave = Wave::Square, .level = 0.45, .decay = 2.0, .release = 0.03, .lowpassHz = 2500.0};
const Tone kBass{.wave = Wave::Triangle, .level = 0.9, .decay = 1.0, .release = 0.04};

// A held final note: it sings with a little vibrato and dies away.
Tone held(const Tone& shape) {
    Tone tone = shape;
    tone.vibratoHz = 6.0;
    tone.vibratoDepth = 0.006;
    tone.decay = 1.6;
    tone.release = 0.35;
    return tone;
}

}  // namespace

std::vector<float> renderStageClear() {
    Mix mix(kEffectRate);
    // C major arpeggio up to G6, then "ta-ta-taa" onto a held C6.
    addLine(mix, kLead,
            {{72, 0.00, 0.07},
             {76, 0.07, 0.07},
             {79, 0.14, 0.07},
             {84, 0.21, 0.07},
             {88, 0.28, 0.07},
             {91, 0.35, 0.12},
             {81, 0.52, 0.1},
             {83, 0.62, 0.1}});
    addLine(mix, held(kLead), {{84, 0.72, 1.1}});
    addLine(mix, held(kHarmony), {{76, 0.72, 1.1}, {79, 0.72, 1.1}});
    addLine(mix, kBass, {{48, 0.0, 0.28}, {55, 0.28, 0.22}, {53, 0.52, 0.2}});
    addLine(mix, held(kBass), {{48, 0.72, 1.1}});
    return mix.finish(0.75);
}

std::vector<float> renderAllClear() {
    Mix mix(kEffectRate);
    // Triplet call, a rising answer, and a big held C major chord over a roll.
    addLine(mix, kLead,
            {{79, 0.00, 0.09},
             {79, 0.10, 0.09},
             {79, 0.20, 0.09},
             {84, 0.30, 0.43},
             {79, 0.75, 0.14},
             {84, 0.90, 0.14},
             {88, 1.05, 0.58},
             {86, 1.65, 0.14},
             {88, 1.80, 0.14},
             {89, 1.95, 0.14}});
    addLine(mix, held(kLead), {{91, 2.10, 1.6}});
    addLine(mix, kHarmony,
            {{76, 0.30, 0.43},
             {79, 0.30, 0.43},
             {79, 1.05, 0.58},
             {84, 1.05, 0.58},
             {77, 1.65, 0.43},
             {83, 1.65, 0.43}});
    addLine(mix, held(kHarmony), {{84, 2.10, 1.6}, {88, 2.10, 1.6}});
    addLine(mix, kBass, {{48, 0.30, 0.43}, {43, 0.75, 0.28}, {48, 1.05, 0.58}, {43, 1.65, 0.43}});
    addLine(mix, held(kBass), {{36, 2.10, 1.6}, {48, 2.10, 1.6}});
    const Tone snare{.wave = Wave::Noise,
                     .length = 0.08,
                     .startHz = 9000.0,
                     .endHz = 6000.0,
                     .level = 0.35,
                     .attack = 0.001,
                     .decay = 35.0,
                     .release = 0.02,
                     .lowpassHz = 7000.0};
    for (double at : {0.0, 0.1, 0.2, 1.65, 1.8, 1.95}) {
        Tone hit = snare;
        hit.start = at;
        mix.add(hit);
    }
    mix.add({.wave = Wave::Noise,
             .start = 2.1,
             .length = 1.4,
             .startHz = 16000.0,
             .endHz = 9000.0,
             .level = 0.3,
             .attack = 0.002,
             .decay = 3.0,
             .release = 0.4,
             .lowpassHz = 8000.0});
    return mix.finish(0.8);
}

std::vector<float> renderGameOver() {
    Mix mix(kEffectRate);
    // "Wah, wah, wah, waah": a friendly falling sigh, not a scary one.
    Tone wah{.wave = Wave::Square, .decay = 2.5, .release = 0.06, .lowpassHz = 1800.0};
    Tone soft = wah;
    soft.wave = Wave::Triangle;
    soft.level = 0.7;
    const JingleNote sighs[] = {{67, 0.0, 0.34}, {66, 0.38, 0.34}, {65, 0.76, 0.34}};
    for (const Tone& shape : {wah, soft}) {
        for (const JingleNote& n : sighs) {
            Tone tone = shape;
            tone.start = n.at;
            tone.length = n.length;
            tone.startHz = noteHz(n.note);
            tone.endHz = tone.startHz * 0.97;
            mix.add(tone);
        }
        Tone last = shape;
        last.start = 1.14;
        last.length = 1.2;
        last.startHz = noteHz(64);
        last.endHz = noteHz(63.6);
        last.vibratoHz = 5.0;
        last.vibratoDepth = 0.02;
        last.decay = 1.2;
        last.release = 0.4;
        mix.add(last);
    }
    addLine(mix, held(kBass), {{48, 1.14, 1.2}});
    return mix.finish(0.7);
}

}  // namespace soundgen
