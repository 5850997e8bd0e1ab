#pragma once

#include <cstdint>
#include <vector>

namespace soundgen {

// A complete 16-bit mono PCM WAV file holding `samples` (-1..1, clamped).
std::vector<std::uint8_t> encodeWav(const std::vector<float>& samples, int sampleRate);

}  // namespace soundgen
