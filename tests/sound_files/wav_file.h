#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A 16-bit PCM WAV file, read strictly: every size in the header must agree with the file.
struct WavFile {
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::vector<std::int16_t> samples;

    double seconds() const { return static_cast<double>(samples.size()) / channels / sampleRate; }
};

// Returns false and says why in `error` when the bytes are not such a file.
bool parseWav(const std::vector<std::uint8_t>& bytes, WavFile& wav, std::string& error);
