#pragma once

#include <cstdint>
#include <vector>

namespace soundgen {

// One event at an absolute tick: a channel message or a meta event (0xFF, type, data).
struct MidiEvent {
    std::uint32_t tick;
    std::vector<std::uint8_t> bytes;
};

using MidiTrack = std::vector<MidiEvent>;

// A format-1 Standard MIDI File. Every track ends at `endTick` (or its last event, if later),
// so all tracks stop together and the piece can restart on the beat. Events at the same tick
// keep their order, except that note-offs go first so a repeated note is not cut short.
std::vector<std::uint8_t> encodeSmf(std::uint16_t ticksPerQuarter,
                                    const std::vector<MidiTrack>& tracks, std::uint32_t endTick);

MidiEvent noteOn(std::uint32_t tick, int channel, int note, int velocity);
MidiEvent noteOff(std::uint32_t tick, int channel, int note);
MidiEvent programChange(std::uint32_t tick, int channel, int program);
MidiEvent controlChange(std::uint32_t tick, int channel, int controller, int value);
MidiEvent metaEvent(std::uint32_t tick, std::uint8_t type, std::vector<std::uint8_t> data);

}  // namespace soundgen
