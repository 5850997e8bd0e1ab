#include "wav_file.h"

#include <cstring>

namespace {

std::uint32_t le(const std::vector<std::uint8_t>& b, std::size_t at, int size) {
    std::uint32_t v = 0;
    for (int i = size - 1; i >= 0; --i) {
        v = (v << 8) | b[at + i];
    }
    return v;
}

bool tagAt(const std::vector<std::uint8_t>& b, std::size_t at, const char* tag) {
    return at + 4 <= b.size() && std::memcmp(b.data() + at, tag, 4) == 0;
}

}  // namespace

bool parseWav(const std::vector<std::uint8_t>& b, WavFile& wav, std::string& error) {
    if (b.size() < 12 || !tagAt(b, 0, "RIFF") || !tagAt(b, 8, "WAVE")) {
        error = "no RIFF/WAVE header";
        return false;
    }
    if (le(b, 4, 4) != b.size() - 8) {
        error = "RIFF size does not match the file size";
        return false;
    }
    bool haveFormat = false;
    std::size_t at = 12;
    while (at + 8 <= b.size()) {
        const std::uint32_t size = le(b, at + 4, 4);
        const std::size_t body = at + 8;
        if (body + size > b.size()) {
            error = "a chunk runs past the end of the file";
            return false;
        }
        if (tagAt(b, at, "fmt ")) {
            if (size < 16 || le(b, body, 2) != 1) {
                error = "format is not plain PCM";
                return false;
            }
            wav.channels = static_cast<int>(le(b, body + 2, 2));
            wav.sampleRate = static_cast<int>(le(b, body + 4, 4));
            wav.bitsPerSample = static_cast<int>(le(b, body + 14, 2));
            const std::uint32_t frameBytes = wav.channels * wav.bitsPerSample / 8;
            if (wav.bitsPerSample != 16 || wav.channels < 1 || wav.sampleRate <= 0 ||
                le(b, body + 12, 2) != frameBytes ||
                le(b, body + 8, 4) != frameBytes * static_cast<std::uint32_t>(wav.sampleRate)) {
                error = "inconsistent 16-bit PCM format";
                return false;
            }
            haveFormat = true;
        } else if (tagAt(b, at, "data")) {
            if (!haveFormat || size % (2 * wav.channels) != 0) {
                error = "data before format or not whole frames";
                return false;
            }
            wav.samples.resize(size / 2);
            for (std::size_t i = 0; i < wav.samples.size(); ++i) {
                wav.samples[i] = static_cast<std::int16_t>(le(b, body + 2 * i, 2));
            }
            return true;
        }
        at = body + size + (size & 1);
    }
    error = "no data chunk";
    return false;
}
