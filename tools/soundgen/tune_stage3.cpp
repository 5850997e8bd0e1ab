// Stage 3: a brave little fanfare-rock in F major - brass over strings, bells and driving bass.
#include <string>

#include "score.h"
#include "tunes.h"

namespace soundgen {

Song stageThreeTune() {
    Song song{"Tezra stage 3", 150, 4, 4, -1, 24, {}};

    const std::string theme =
        "C5:2 F5:2 A5:2 C6:4 A5:2 C6:4 | D6:4 C6:2 Bb5:2 A5:2 G5:2 F5:4 |"
        "E5:2 G5:2 C6:4 Bb5:2 A5:2 G5:4 | A5:6 F5:2 C5:8 | D5:2 F5:2 A5:2 D6:4 C6:2 A5:4 |"
        "Bb5:4 A5:2 G5:2 F5:4 D5:4 | G5:4 Bb5:4 E5:4 G5:4 |";
    const std::string bridge =
        "F5:4 D5:2 F5:2 Bb5:4 F5:4 | G5:4 E5:2 G5:2 C6:8 | A5:2 G5:2 E5:2 A5:4 C6:2 A5:4 |"
        "D6:8 A5:4 F5:4 | D6:4 C6:2 Bb5:2 F5:4 Bb5:4 | C6:4 Bb5:2 A5:2 G5:4 E5:4 |"
        "G5:2 A5:2 Bb5:2 D6:4 C6:2 Bb5:4 | Bb5:4 G5:4 E5:4 C5:4 |";
    // The last bar steps down onto the opening C, so the loop runs on without a seam.
    const std::string melody = theme + "F5:12 R:4 |" + bridge + theme + "F5:8 G5:4 E5:4 |";

    const std::string themeChords = "F:16 | Bb:16 | C:16 | F:16 | Dm:16 | Bb:16 | Gm:8 C:8 |";
    const std::string bridgeChords =
        "Bb:16 | C:16 | Am:16 | Dm:16 | Bb:16 | C:16 | Gm:16 | C7:16 |";
    const auto chords =
        parseChords(themeChords + "F:16 |" + bridgeChords + themeChords + "F:8 C7:8 |", song);

    const std::map<char, DrumBar> drums{
        {'A',
         {{gm::kKick, "x.....x.x.....x."},
          {gm::kSnare, "....x.......x..."},
          {gm::kClosedHat, "x.x.x.x.x.x.x..."},
          {gm::kOpenHat, "..............x."}}},
        {'C',
         {{gm::kCrash, "X..............."},
          {gm::kKick, "X.....x.x.....x."},
          {gm::kSnare, "....x.......x..."},
          {gm::kClosedHat, "..x.x.x.x.x.x..."},
          {gm::kOpenHat, "..............x."}}},
        {'F',
         {{gm::kKick, "x.....x.x......."},
          {gm::kSnare, "....x.......xXxX"},
          {gm::kHighTom, "........xx......"},
          {gm::kLowTom, "..........xx...."},
          {gm::kClosedHat, "x.x.x.x........."}}},
    };

    song.parts = {
        {"Brass", 0, gm::kBrassSection, 124, 64, 40, parseMelody(melody, song, 104)},
        {"Strings", 2, gm::kStrings, 52, 40, 60, chordLine(chords, "c:16", 53, 60)},
        {"Bells", 3, gm::kGlockenspiel, 100, 88, 50, bassLine(chords, "1:2 3:2 5:2 8:2", 72, 76)},
        {"Bass", 1, gm::kSynthBass2, 84, 64, 10, bassLine(chords, "1:2 1:2 5:2 1:2", 34, 96)},
        {"Drums", gm::kDrumChannel, 0, 100, 64, 30,
         drumLine("CAAAAAAF CAAAAAAF CAAAAAAF", drums, song)},
    };
    return song;
}

}  // namespace soundgen
