#include <stdexcept>

#include "smf_writer.h"
#include "song.h"

namespace soundgen {
namespace {

constexpr int kTicksPerQuarter = 480;
constexpr int kTicksPerSixteenth = kTicksPerQuarter / 4;

std::uint32_t ticks(int sixteenths) {
    return static_cast<std::uint32_t>(sixteenths * kTicksPerSixteenth);
}

std::vector<std::uint8_t> textBytes(const std::string& s) {
    return {s.begin(), s.end()};
}

MidiTrack tempoTrack(const Song& song) {
    const auto usPerQuarter = static_cast<std::uint32_t>(60'000'000 / song.quartersPerMinute);
    int unitPower = 0;
    while ((1 << unitPower) < song.beatUnit) {
        ++unitPower;
    }
    return {
        metaEvent(0, 0x03, textBytes(song.title)),
        metaEvent(0, 0x51,
                  {static_cast<std::uint8_t>(usPerQuarter >> 16),
                   static_cast<std::uint8_t>(usPerQuarter >> 8),
                   static_cast<std::uint8_t>(usPerQuarter)}),
        metaEvent(0, 0x58,
                  {static_cast<std::uint8_t>(song.beatsPerBar),
                   static_cast<std::uint8_t>(unitPower), 24, 8}),
        metaEvent(0, 0x59,
                  {static_cast<std::uint8_t>(static_cast<std::int8_t>(song.keySharps)), 0}),
    };
}

MidiTrack partTrack(const Song& song, const Part& part) {
    MidiTrack track{
        metaEvent(0, 0x03, textBytes(part.name)),
        programChange(0, part.channel, part.program),
        controlChange(0, part.channel, 7, part.volume),
        controlChange(0, part.channel, 10, part.pan),
        controlChange(0, part.channel, 91, part.reverb),
    };
    for (const Note& n : part.notes) {
        if (n.start < 0 || n.length <= 0 || n.start + n.length > song.length()) {
            throw std::invalid_argument(part.name + ": a note lies outside " + song.title);
        }
        track.push_back(noteOn(ticks(n.start), part.channel, n.pitch, n.velocity));
        track.push_back(noteOff(ticks(n.start + n.length), part.channel, n.pitch));
    }
    return track;
}

}  // namespace

std::vector<std::uint8_t> encodeSong(const Song& song) {
    std::vector<MidiTrack> tracks{tempoTrack(song)};
    for (const Part& part : song.parts) {
        tracks.push_back(partTrack(song, part));
    }
    return encodeSmf(kTicksPerQuarter, tracks, ticks(song.length()));
}

}  // namespace soundgen
