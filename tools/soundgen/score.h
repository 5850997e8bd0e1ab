#pragma once

#include <map>
#include <string_view>
#include <vector>

#include "song.h"

// A small text notation for writing tunes as data. Lengths are in sixteenth notes. A mistake in
// a tune throws std::invalid_argument naming the token, so a wrong bar never reaches a file.
namespace soundgen {

// A chord held from `start` for `length`: its root and its tones as semitones above the root.
struct ChordSpan {
    int root;  // pitch class, 0 = C
    std::vector<int> intervals;
    int start;
    int length;
};

// "C5:4 F#5:2 Bb4:2 R:8 | ..." - note name, octave (C4 = 60) and length; R rests; "|" is a bar
// line and must fall on one. The line must fill the song exactly.
std::vector<Note> parseMelody(std::string_view text, const Song& song, int velocity);

// "C:16 Am:8 G7:8 | ..." - chord symbols (major, m, 7, m7, maj7, dim) and lengths, same rules.
std::vector<ChordSpan> parseChords(std::string_view text, const Song& song);

// Plays `pattern` over every chord from its start, cut off where the chord ends. Tokens are
// degree:length - 1, 3, 5, 7 the chord's tones upward from the root (7 is the octave in a triad),
// 8 the octave - or r:length for a rest. The root lies in the octave from `lowest` up.
std::vector<Note> bassLine(const std::vector<ChordSpan>& chords, std::string_view pattern,
                           int lowest, int velocity);

// Like bassLine, with tokens c:length (the whole chord, voiced in the octave from `lowest`) and
// r:length.
std::vector<Note> chordLine(const std::vector<ChordSpan>& chords, std::string_view pattern,
                            int lowest, int velocity);

// One drum sound across a bar: one character a sixteenth, X loud, x normal, o soft, . silent.
struct DrumLine {
    int note;
    std::string_view steps;
};
using DrumBar = std::vector<DrumLine>;

// `bars` names each bar's pattern by one letter of `patterns` (spaces are ignored).
std::vector<Note> drumLine(std::string_view bars, const std::map<char, DrumBar>& patterns,
                           const Song& song);

}  // namespace soundgen
