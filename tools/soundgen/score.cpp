#include "score.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <stdexcept>
#include <string>

namespace soundgen {
namespace {

[[noreturn]] void fail(std::string_view what, std::string_view token) {
    throw std::invalid_argument(std::string(what) + ": \"" + std::string(token) + "\"");
}

// Splits at spaces; a bar line is a token of its own even where it touches its neighbours.
std::vector<std::string_view> tokens(std::string_view text) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < text.size()) {
        if (std::isspace(static_cast<unsigned char>(text[i]))) {
            ++i;
            continue;
        }
        std::size_t j = i + 1;
        if (text[i] != '|') {
            while (j < text.size() && text[j] != '|' &&
                   !std::isspace(static_cast<unsigned char>(text[j]))) {
                ++j;
            }
        }
        out.push_back(text.substr(i, j - i));
        i = j;
    }
    return out;
}

int number(std::string_view s, std::string_view token) {
    int v = 0;
    const auto [end, err] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (err != std::errc() || end != s.data() + s.size()) {
        fail("not a number", token);
    }
    return v;
}

// Splits "name:length" and checks the length.
std::pair<std::string_view, int> nameAndLength(std::string_view token) {
    const std::size_t colon = token.find(':');
    if (colon == std::string_view::npos) {
        fail("missing length", token);
    }
    const int length = number(token.substr(colon + 1), token);
    if (length <= 0) {
        fail("length must be positive", token);
    }
    return {token.substr(0, colon), length};
}

// Reads a leading note letter and accidental ("C", "F#", "Bb"); returns the pitch class and the
// rest of the text.
std::pair<int, std::string_view> pitchClass(std::string_view s, std::string_view token) {
    static constexpr int kLetters[] = {9, 11, 0, 2, 4, 5, 7};  // A..G
    if (s.empty() || s[0] < 'A' || s[0] > 'G') {
        fail("not a note name", token);
    }
    int pc = kLetters[s[0] - 'A'];
    s.remove_prefix(1);
    if (!s.empty() && (s[0] == '#' || s[0] == 'b')) {
        pc += s[0] == '#' ? 1 : -1;
        s.remove_prefix(1);
    }
    return {(pc + 12) % 12, s};
}

std::vector<int> chordIntervals(std::string_view quality, std::string_view token) {
    static const std::map<std::string_view, std::vector<int>> kQualities{
        {"", {0, 4, 7}},       {"m", {0, 3, 7}},        {"7", {0, 4, 7, 10}},
        {"m7", {0, 3, 7, 10}}, {"maj7", {0, 4, 7, 11}}, {"dim", {0, 3, 6}},
    };
    const auto it = kQualities.find(quality);
    if (it == kQualities.end()) {
        fail("unknown chord", token);
    }
    return it->second;
}

// Walks "name:length" tokens and bar lines, checking both against the song's bars.
template <typename OnToken>
void walkTimeline(std::string_view text, const Song& song, OnToken onToken) {
    int at = 0;
    for (std::string_view token : tokens(text)) {
        if (token == "|") {
            if (at % song.barLength() != 0) {
                fail("bar line inside a bar at sixteenth " + std::to_string(at), token);
            }
            continue;
        }
        const auto [name, length] = nameAndLength(token);
        onToken(name, at, length, token);
        at += length;
    }
    if (at != song.length()) {
        fail("line lasts " + std::to_string(at) + " sixteenths, not " +
                 std::to_string(song.length()),
             song.title);
    }
}

int placeAbove(int pitchClass, int lowest) {
    return lowest + (pitchClass - lowest % 12 + 12) % 12;
}

// Repeats `pattern` over each chord; `play` adds the notes of one token.
template <typename Play>
void overChords(const std::vector<ChordSpan>& chords, std::string_view pattern, Play play) {
    const auto steps = tokens(pattern);
    if (steps.empty()) {
        fail("empty pattern", pattern);
    }
    for (const ChordSpan& chord : chords) {
        int at = 0;
        for (std::size_t i = 0; at < chord.length; i = (i + 1) % steps.size()) {
            const auto [name, length] = nameAndLength(steps[i]);
            const int held = std::min(length, chord.length - at);
            if (name != "r") {
                play(chord, name, chord.start + at, held, steps[i]);
            }
            at += length;
        }
    }
}

}  // namespace

std::vector<Note> parseMelody(std::string_view text, const Song& song, int velocity) {
    std::vector<Note> notes;
    walkTimeline(text, song,
                 [&](std::string_view name, int at, int length, std::string_view token) {
                     if (name == "R") {
                         return;
                     }
                     const auto [pc, octave] = pitchClass(name, token);
                     notes.push_back({12 * (number(octave, token) + 1) + pc, at, length, velocity});
                 });
    return notes;
}

std::vector<ChordSpan> parseChords(std::string_view text, const Song& song) {
    std::vector<ChordSpan> chords;
    walkTimeline(text, song,
                 [&](std::string_view name, int at, int length, std::string_view token) {
                     const auto [root, quality] = pitchClass(name, token);
                     chords.push_back({root, chordIntervals(quality, token), at, length});
                 });
    return chords;
}

std::vector<Note> bassLine(const std::vector<ChordSpan>& chords, std::string_view pattern,
                           int lowest, int velocity) {
    std::vector<Note> notes;
    overChords(chords, pattern,
               [&](const ChordSpan& chord, std::string_view degree, int at, int length,
                   std::string_view token) {
                   static constexpr std::string_view kDegrees[] = {"1", "3", "5", "7"};
                   const int root = placeAbove(chord.root, lowest);
                   int interval = 12;  // "8", and "7" in a triad
                   const auto index = std::find(std::begin(kDegrees), std::end(kDegrees), degree) -
                                      std::begin(kDegrees);
                   if (index < static_cast<long>(chord.intervals.size())) {
                       interval = chord.intervals[index];
                   } else if (degree != "8" && degree != "7") {
                       fail("unknown degree", token);
                   }
                   notes.push_back({root + interval, at, length, velocity});
               });
    return notes;
}

std::vector<Note> chordLine(const std::vector<ChordSpan>& chords, std::string_view pattern,
                            int lowest, int velocity) {
    std::vector<Note> notes;
    overChords(chords, pattern,
               [&](const ChordSpan& chord, std::string_view name, int at, int length,
                   std::string_view token) {
                   if (name != "c") {
                       fail("expected c or r", token);
                   }
                   for (int interval : chord.intervals) {
                       notes.push_back({placeAbove((chord.root + interval) % 12, lowest), at,
                                        length, velocity});
                   }
               });
    return notes;
}

std::vector<Note> drumLine(std::string_view bars, const std::map<char, DrumBar>& patterns,
                           const Song& song) {
    std::vector<Note> notes;
    int bar = 0;
    for (char letter : bars) {
        if (letter == ' ') {
            continue;
        }
        const auto it = patterns.find(letter);
        if (it == patterns.end()) {
            fail("unknown drum bar", std::string(1, letter));
        }
        for (const DrumLine& line : it->second) {
            if (static_cast<int>(line.steps.size()) != song.barLength()) {
                fail("drum line is not one bar long", line.steps);
            }
            for (int step = 0; step < song.barLength(); ++step) {
                static constexpr std::string_view kHits = "oxX";
                static constexpr int kVelocity[] = {50, 85, 115};
                const std::size_t hit = kHits.find(line.steps[step]);
                if (hit != std::string_view::npos) {
                    notes.push_back({line.note, bar * song.barLength() + step, 1, kVelocity[hit]});
                } else if (line.steps[step] != '.') {
                    fail("unknown drum step", line.steps);
                }
            }
        }
        ++bar;
    }
    if (bar != song.bars) {
        fail("drum bars do not match the song", bars);
    }
    return notes;
}

}  // namespace soundgen
