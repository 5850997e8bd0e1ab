#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace soundgen {

// Times in a song are counted in sixteenth notes from its start.
struct Note {
    int pitch;  // MIDI note number
    int start;
    int length;
    int velocity;
};

// One instrument on one MIDI channel (9 is the General MIDI drum kit).
struct Part {
    std::string name;
    int channel;
    int program;  // General MIDI program, 0-based
    int volume;
    int pan;
    int reverb;
    std::vector<Note> notes;
};

struct Song {
    std::string title;
    int quartersPerMinute;
    int beatsPerBar;
    int beatUnit;   // 4 for 4/4, 8 for 6/8
    int keySharps;  // negative for flats
    int bars;
    std::vector<Part> parts;

    int barLength() const { return beatsPerBar * 16 / beatUnit; }
    int length() const { return bars * barLength(); }
};

// The song as a Standard MIDI File: a tempo track, then one track per part, all ending on the
// last bar line so the piece loops without a stumble. Throws std::invalid_argument when a note
// runs past the end.
std::vector<std::uint8_t> encodeSong(const Song& song);

}  // namespace soundgen
