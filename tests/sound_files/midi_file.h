#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What the tests need of one track of a Standard MIDI File.
struct MidiTrackSummary {
    std::uint32_t endTick = 0;  // tick of the end-of-track event
    int noteCount = 0;
    int hangingNotes = 0;       // notes switched on and never off
    std::vector<int> channels;  // channels of its note-ons, in first-use order
    std::vector<int> programs;  // programs chosen on this track
    std::vector<int> pitches;   // pitches of its note-ons, in order
};

struct MidiFile {
    int format = 0;
    int ticksPerQuarter = 0;
    std::uint32_t microsecondsPerQuarter = 500000;  // the first tempo
    int beatsPerBar = 4;
    int beatUnit = 4;
    std::vector<MidiTrackSummary> tracks;

    std::uint32_t ticksPerBar() const {
        return static_cast<std::uint32_t>(ticksPerQuarter * 4 * beatsPerBar / beatUnit);
    }
};

// Reads the whole file, running status, meta and system-exclusive events included. Returns false
// and says why in `error` for anything malformed or truncated.
bool parseMidi(const std::vector<std::uint8_t>& bytes, MidiFile& midi, std::string& error);
