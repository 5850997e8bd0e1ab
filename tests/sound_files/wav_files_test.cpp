#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "game_files.h"
#include "wav_file.h"

namespace {

// Each effect with the longest it may last: the ticks that repeat quickly must end before
// the next one starts.
struct EffectLimit {
    const char* name;
    double minSeconds;
    double maxSeconds;
};

constexpr EffectLimit kEffects[] = {
    {"wav_popi.wav", 0.03, 0.25}, {"wav_shot.wav", 0.1, 0.6},  {"wav_pyu.wav", 0.05, 0.3},
    {"wav_den.wav", 0.1, 0.6},    {"wav_bu0.wav", 0.02, 0.09}, {"wav_bu1.wav", 0.02, 0.09},
    {"wav_po.wav", 0.02, 0.1},    {"wav_pu.wav", 0.01, 0.05},  {"wav_clic.wav", 0.005, 0.1},
    {"wav_gun.wav", 0.1, 0.8},    {"wav_clea.wav", 1.5, 2.5},  {"wav_all.wav", 2.5, 6.0},
    {"wav_over.wav", 1.0, 4.0},
};

constexpr double kFullScale = 32768.0;

TEST(EffectFiles, AreMonoPcmOfTheRightLength) {
    for (const EffectLimit& effect : kEffects) {
        SCOPED_TRACE(effect.name);
        WavFile wav;
        std::string error;
        ASSERT_TRUE(parseWav(readGameFile(effect.name), wav, error)) << error;
        EXPECT_EQ(wav.channels, 1);
        EXPECT_TRUE(wav.sampleRate == 22050 || wav.sampleRate == 44100) << wav.sampleRate;
        EXPECT_GE(wav.seconds(), effect.minSeconds);
        EXPECT_LE(wav.seconds(), effect.maxSeconds);
    }
}

TEST(EffectFiles, AreClearlyAudibleWithoutClippingOrClicks) {
    for (const EffectLimit& effect : kEffects) {
        SCOPED_TRACE(effect.name);
        WavFile wav;
        std::string error;
        ASSERT_TRUE(parseWav(readGameFile(effect.name), wav, error)) << error;
        ASSERT_FALSE(wav.samples.empty());
        double sum = 0.0;
        double squares = 0.0;
        int peak = 0;
        int pinned = 0;
        for (std::int16_t s : wav.samples) {
            sum += s;
            squares += static_cast<double>(s) * s;
            peak = std::max(peak, std::abs(static_cast<int>(s)));
            pinned += std::abs(static_cast<int>(s)) >= 32767 ? 1 : 0;
        }
        const double n = static_cast<double>(wav.samples.size());
        EXPECT_GE(peak / kFullScale, 0.3) << "too quiet";
        EXPECT_GE(std::sqrt(squares / n) / kFullScale, 0.05) << "mostly silent";
        EXPECT_LE(peak / kFullScale, 0.95) << "no headroom";
        EXPECT_EQ(pinned, 0) << "clipped samples";
        EXPECT_LE(std::abs(sum / n) / kFullScale, 0.01) << "DC offset";
        // Starting or stopping away from zero is heard as a click.
        EXPECT_LE(std::abs(wav.samples.front()) / kFullScale, 0.01);
        EXPECT_LE(std::abs(wav.samples.back()) / kFullScale, 0.01);
    }
}

TEST(EffectFiles, WalkingStepsDiffer) {
    EXPECT_NE(readGameFile("wav_bu0.wav"), readGameFile("wav_bu1.wav"));
}

}  // namespace
