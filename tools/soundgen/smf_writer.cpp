#include "smf_writer.h"

#include <algorithm>

#include "byte_writer.h"

namespace soundgen {
namespace {

void writeVarLen(ByteWriter& w, std::uint32_t value) {
    std::uint8_t groups[5];
    int n = 0;
    do {
        groups[n++] = value & 0x7F;
        value >>= 7;
    } while (value != 0);
    while (n > 1) {
        w.u8(groups[--n] | 0x80);
    }
    w.u8(groups[0]);
}

bool isNoteOff(const MidiEvent& e) {
    const std::uint8_t kind = e.bytes[0] & 0xF0;
    return kind == 0x80 || (kind == 0x90 && e.bytes[2] == 0);
}

std::vector<std::uint8_t> encodeTrack(MidiTrack track, std::uint32_t endTick) {
    std::stable_sort(track.begin(), track.end(), [](const MidiEvent& a, const MidiEvent& b) {
        if (a.tick != b.tick) {
            return a.tick < b.tick;
        }
        return isNoteOff(a) && !isNoteOff(b);
    });
    ByteWriter w;
    std::uint32_t now = 0;
    std::uint8_t runningStatus = 0;
    for (const MidiEvent& e : track) {
        writeVarLen(w, e.tick - now);
        now = e.tick;
        const std::uint8_t status = e.bytes[0];
        const bool channelMessage = status < 0xF0;
        // Running status: a channel message repeating the previous status omits it.
        std::size_t from = channelMessage && status == runningStatus ? 1 : 0;
        runningStatus = channelMessage ? status : 0;
        if (status == 0xFF) {
            w.u8(0xFF);
            w.u8(e.bytes[1]);
            writeVarLen(w, static_cast<std::uint32_t>(e.bytes.size() - 2));
            from = 2;
        }
        for (std::size_t i = from; i < e.bytes.size(); ++i) {
            w.u8(e.bytes[i]);
        }
    }
    writeVarLen(w, std::max(endTick, now) - now);
    w.u8(0xFF);
    w.u8(0x2F);
    w.u8(0x00);
    return w.bytes();
}

std::uint8_t data7(int v) {
    return static_cast<std::uint8_t>(std::clamp(v, 0, 127));
}
std::uint8_t status(int kind, int channel) {
    return static_cast<std::uint8_t>(kind | channel);
}

}  // namespace

std::vector<std::uint8_t> encodeSmf(std::uint16_t ticksPerQuarter,
                                    const std::vector<MidiTrack>& tracks, std::uint32_t endTick) {
    ByteWriter w;
    w.text("MThd");
    w.be32(6);
    w.be16(1);
    w.be16(static_cast<std::uint16_t>(tracks.size()));
    w.be16(ticksPerQuarter);
    for (const MidiTrack& track : tracks) {
        const std::vector<std::uint8_t> body = encodeTrack(track, endTick);
        w.text("MTrk");
        w.be32(static_cast<std::uint32_t>(body.size()));
        w.append(body);
    }
    return w.bytes();
}

MidiEvent noteOn(std::uint32_t tick, int channel, int note, int velocity) {
    return {tick, {status(0x90, channel), data7(note), data7(std::max(velocity, 1))}};
}

MidiEvent noteOff(std::uint32_t tick, int channel, int note) {
    return {tick, {status(0x90, channel), data7(note), 0}};
}

MidiEvent programChange(std::uint32_t tick, int channel, int program) {
    return {tick, {status(0xC0, channel), data7(program)}};
}

MidiEvent controlChange(std::uint32_t tick, int channel, int controller, int value) {
    return {tick, {status(0xB0, channel), data7(controller), data7(value)}};
}

MidiEvent metaEvent(std::uint32_t tick, std::uint8_t type, std::vector<std::uint8_t> data) {
    // Status and type go in front of the data rather than the data after them: GCC 12 warns
    // falsely about appending to a two-byte vector.
    data.insert(data.begin(), {std::uint8_t{0xFF}, type});
    return {tick, std::move(data)};
}

}  // namespace soundgen
