#pragma once

#include <cstdint>
#include <vector>

namespace soundgen {

enum class Wave { Square, Triangle, Noise };

// One voice of an effect: a waveform whose pitch glides exponentially from startHz to endHz,
// shaped by a linear attack, an exponential decay and a linear release at its end. For noise the
// pitch is the rate at which the noise generator steps, so a higher pitch sounds brighter.
struct Tone {
    Wave wave = Wave::Square;
    double start = 0.0;   // seconds
    double length = 0.1;  // seconds
    double startHz = 440.0;
    double endHz = 440.0;
    double duty = 0.5;  // square only
    double level = 1.0;
    double attack = 0.002;  // seconds
    double decay = 0.0;     // amplitude falls as exp(-decay * t)
    double release = 0.01;  // seconds
    double vibratoHz = 0.0;
    double vibratoDepth = 0.0;  // fraction of the frequency
    double lowpassHz = 0.0;     // 0 leaves the tone unfiltered
};

// Sums tones into one mono buffer.
class Mix {
  public:
    explicit Mix(int sampleRate) : rate_(sampleRate) {}

    void add(const Tone& tone);

    // Scales the mix so its loudest sample reaches `peak` (0..1) and fades the first and last
    // milliseconds, so the sound starts and ends at rest.
    std::vector<float> finish(double peak) const;

    int sampleRate() const { return rate_; }

  private:
    int rate_;
    std::vector<double> samples_;
};

}  // namespace soundgen
