#include "tune_render.h"

#include <fluidsynth.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace {

constexpr int kRate = 22050;  // plenty to judge loudness, and quick to render
constexpr int kBlock = kRate / 10;
constexpr double kAudible = 0.003;  // peak, full scale = 1
constexpr double kLongest = 120.0;  // seconds; a tune that never ends is a fault too

void quiet(int, const char*, void*) {}

}  // namespace

RenderedTune renderTune(const std::filesystem::path& midiFile,
                        const std::filesystem::path& soundFont) {
    RenderedTune result;
    for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level) {
        fluid_set_log_function(level, quiet, nullptr);
    }
    std::unique_ptr<fluid_settings_t, decltype(&delete_fluid_settings)> settings(
        new_fluid_settings(), delete_fluid_settings);
    fluid_settings_setnum(settings.get(), "synth.sample-rate", kRate);
    // The player must follow the rendered samples, not the wall clock.
    fluid_settings_setstr(settings.get(), "player.timing-source", "sample");
    std::unique_ptr<fluid_synth_t, decltype(&delete_fluid_synth)> synth(
        new_fluid_synth(settings.get()), delete_fluid_synth);
    if (fluid_synth_sfload(synth.get(), soundFont.c_str(), 1) == FLUID_FAILED) {
        result.error = "cannot load the sound font " + soundFont.string();
        return result;
    }
    std::unique_ptr<fluid_player_t, decltype(&delete_fluid_player)> player(
        new_fluid_player(synth.get()), delete_fluid_player);
    if (fluid_player_add(player.get(), midiFile.c_str()) == FLUID_FAILED ||
        fluid_player_play(player.get()) == FLUID_FAILED) {
        result.error = "FluidSynth cannot play " + midiFile.string();
        return result;
    }
    std::vector<std::int16_t> left(kBlock);
    std::vector<std::int16_t> right(kBlock);
    double squares = 0.0;
    long frames = 0;
    double quietRun = 0.0;
    // The player reports the end only once the last notes have died away; the piece itself
    // ends when its last tick has been played.
    // (The file is loaded on the first block, so its length is known only from then on.)
    while (fluid_player_get_status(player.get()) == FLUID_PLAYER_PLAYING &&
           frames < kLongest * kRate) {
        const int lastTick = fluid_player_get_total_ticks(player.get());
        if (lastTick > 0 && fluid_player_get_current_tick(player.get()) >= lastTick) {
            break;
        }
        fluid_synth_write_s16(synth.get(), kBlock, left.data(), 0, 1, right.data(), 0, 1);
        int peak = 0;
        for (int i = 0; i < kBlock; ++i) {
            squares += (static_cast<double>(left[i]) * left[i] +
                        static_cast<double>(right[i]) * right[i]) /
                       2.0;
            peak = std::max(
                {peak, std::abs(static_cast<int>(left[i])), std::abs(static_cast<int>(right[i]))});
        }
        frames += kBlock;
        quietRun = peak / 32768.0 < kAudible ? quietRun + static_cast<double>(kBlock) / kRate : 0.0;
        result.longestQuiet = std::max(result.longestQuiet, quietRun);
    }
    result.seconds = static_cast<double>(frames) / kRate;
    result.rms = frames > 0 ? std::sqrt(squares / frames) / 32768.0 : 0.0;
    return result;
}
