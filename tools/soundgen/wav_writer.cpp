#include "wav_writer.h"

#include <algorithm>
#include <cmath>

#include "byte_writer.h"

namespace soundgen {

std::vector<std::uint8_t> encodeWav(const std::vector<float>& samples, int sampleRate) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    const auto rate = static_cast<std::uint32_t>(sampleRate);
    ByteWriter w;
    w.text("RIFF");
    w.le32(36 + dataBytes);
    w.text("WAVE");
    w.text("fmt ");
    w.le32(16);
    w.le16(1);  // PCM
    w.le16(1);  // mono
    w.le32(rate);
    w.le32(rate * 2);  // bytes per second
    w.le16(2);         // bytes per frame
    w.le16(16);        // bits per sample
    w.text("data");
    w.le32(dataBytes);
    for (float s : samples) {
        const long v = std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f);
        w.le16(static_cast<std::uint16_t>(static_cast<std::int16_t>(v)));
    }
    return w.bytes();
}

}  // namespace soundgen
