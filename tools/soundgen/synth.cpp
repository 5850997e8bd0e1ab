#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace soundgen {
namespace {

// Smooths the jump of a square wave over one sample, which keeps high notes free of aliasing.
double polyBlep(double phase, double step) {
    if (phase < step) {
        const double t = phase / step;
        return t + t - t * t - 1.0;
    }
    if (phase > 1.0 - step) {
        const double t = (phase - 1.0) / step;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

double square(double phase, double step, double duty) {
    double v = phase < duty ? 1.0 : -1.0;
    v += polyBlep(phase, step);
    v -= polyBlep(std::fmod(phase + 1.0 - duty, 1.0), step);
    return v - (2.0 * duty - 1.0);  // a narrow pulse would otherwise carry a DC offset
}

double triangle(double phase) {
    return 4.0 * std::abs(phase - 0.5) - 1.0;
}

// The 15-bit feedback register of classic sound chips: the same seed gives the same noise.
class Noise {
  public:
    double step() {
        const std::uint16_t bit = (state_ ^ (state_ >> 1)) & 1u;
        state_ = static_cast<std::uint16_t>((state_ >> 1) | (bit << 14));
        return (state_ & 1u) ? 1.0 : -1.0;
    }

  private:
    std::uint16_t state_ = 1;
};

double envelope(const Tone& tone, double t) {
    double a = tone.attack > 0.0 ? std::min(1.0, t / tone.attack) : 1.0;
    a *= std::exp(-tone.decay * t);
    if (tone.release > 0.0) {
        a *= std::clamp((tone.length - t) / tone.release, 0.0, 1.0);
    }
    return a;
}

}  // namespace

void Mix::add(const Tone& tone) {
    const auto first = static_cast<std::size_t>(std::lround(tone.start * rate_));
    const auto count = static_cast<std::size_t>(std::lround(tone.length * rate_));
    if (samples_.size() < first + count) {
        samples_.resize(first + count, 0.0);
    }
    const double glide = std::log(tone.endHz / tone.startHz);
    const double filter = tone.lowpassHz > 0.0
                              ? 1.0 - std::exp(-2.0 * std::numbers::pi * tone.lowpassHz / rate_)
                              : 1.0;
    Noise noise;
    double noiseValue = noise.step();
    double phase = 0.0;
    double low1 = 0.0;
    double low2 = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / rate_;
        double hz = tone.startHz * std::exp(glide * t / tone.length);
        hz *= 1.0 + tone.vibratoDepth * std::sin(2.0 * std::numbers::pi * tone.vibratoHz * t);
        // Noise may step once a sample; tones stop at the highest pitch the rate can carry.
        const double step = std::min(hz / rate_, tone.wave == Wave::Noise ? 1.0 : 0.5);
        double v = 0.0;
        switch (tone.wave) {
            case Wave::Square:
                v = square(phase, step, tone.duty);
                break;
            case Wave::Triangle:
                v = triangle(phase);
                break;
            case Wave::Noise:
                v = noiseValue;
                break;
        }
        phase += step;
        if (phase >= 1.0) {
            phase -= 1.0;
            noiseValue = noise.step();
        }
        // Two one-pole stages: a gentle slope that takes the edge off without ringing.
        low1 += filter * (v - low1);
        low2 += filter * (low1 - low2);
        samples_[first + i] += tone.level * envelope(tone, t) * low2;
    }
}

std::vector<float> Mix::finish(double peak) const {
    // A gentle 20 Hz high-pass takes away the slow drift that short noise bursts carry.
    const double keep = 1.0 - 2.0 * std::numbers::pi * 20.0 / rate_;
    std::vector<double> centred(samples_.size());
    double previous = 0.0;
    double out = 0.0;
    for (std::size_t i = 0; i < samples_.size(); ++i) {
        out = samples_[i] - previous + keep * out;
        previous = samples_[i];
        centred[i] = out;
    }
    double loudest = 0.0;
    for (double s : centred) {
        loudest = std::max(loudest, std::abs(s));
    }
    const double gain = loudest > 0.0 ? peak / loudest : 0.0;
    const auto fade = static_cast<std::size_t>(rate_ / 500);  // 2 ms
    const std::size_t n = centred.size();
    std::vector<float> result(n);
    for (std::size_t i = 0; i < n; ++i) {
        double edge = 1.0;
        if (i < fade) {
            edge = static_cast<double>(i) / fade;
        }
        if (n - 1 - i < fade) {
            edge = std::min(edge, static_cast<double>(n - 1 - i) / fade);
        }
        result[i] = static_cast<float>(centred[i] * gain * edge);
    }
    return result;
}

}  // namespace soundgen
