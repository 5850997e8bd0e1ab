// Stage 1: a bright, bouncy march in C major - a square-wave lead over octave-jumping bass.
#include <string>

#include "score.h"
#include "tunes.h"

namespace soundgen {

Song stageOneTune() {
    Song song{"Tezra stage 1", 138, 4, 4, 0, 24, {}};

    const std::string theme =
        "C5:2 E5:2 G5:4 G5:2 A5:2 G5:4 | E5:2 C5:2 E5:4 A4:8 | F5:2 F5:2 A5:4 C6:4 A5:4 |"
        "G5:6 F5:2 E5:4 D5:4 | C5:2 E5:2 G5:4 G5:2 A5:2 G5:4 | C6:4 B5:2 A5:2 E5:8 |"
        "F5:2 E5:2 D5:4 B4:2 C5:2 D5:4 |";
    const std::string bridge =
        "A5:4 A5:2 G5:2 F5:4 A5:4 | G5:4 G5:2 F5:2 E5:4 D5:4 | E5:2 G5:2 B5:4 B5:2 A5:2 G5:4 |"
        "A5:12 R:4 | F5:2 A5:2 C6:4 C6:2 B5:2 A5:4 | B5:2 D6:2 B5:4 G5:8 |"
        "F5:4 A5:4 D6:4 C6:4 | B5:4 G5:4 F5:4 D5:4 |";
    // The last bar climbs back to the first note, so the loop runs on without a seam.
    const std::string melody = theme + "C5:12 R:4 |" + bridge + theme + "C5:4 G4:4 B4:4 D5:4 |";

    const std::string themeChords = "C:16 | Am:16 | F:16 | G:16 | C:16 | Am:16 | Dm:8 G:8 |";
    const std::string bridgeChords = "F:16 | G:16 | Em:16 | Am:16 | F:16 | G:16 | Dm:16 | G7:16 |";
    const auto chords =
        parseChords(themeChords + "C:16 |" + bridgeChords + themeChords + "C:8 G7:8 |", song);

    const std::map<char, DrumBar> drums{
        {'A',
         {{gm::kKick, "x.......x.x....."},
          {gm::kSnare, "....x.......x..."},
          {gm::kClosedHat, "x.o.x.o.x.o.x.o."}}},
        {'C',
         {{gm::kCrash, "X..............."},
          {gm::kKick, "X.......x.x....."},
          {gm::kSnare, "....x.......x..."},
          {gm::kClosedHat, "..o.x.o.x.o.x.o."}}},
        {'F',
         {{gm::kKick, "x.......x......."},
          {gm::kSnare, "....x.......xxXX"},
          {gm::kHighMidTom, "........x.x....."},
          {gm::kClosedHat, "x.o.x.o........."}}},
    };

    song.parts = {
        {"Lead", 0, gm::kSquareLead, 104, 64, 30, parseMelody(melody, song, 100)},
        {"Bass", 1, gm::kSynthBass, 88, 64, 10, bassLine(chords, "1:2 8:2", 36, 96)},
        {"Keys", 2, gm::kElectricPiano, 92, 40, 40, chordLine(chords, "r:2 c:2", 60, 62)},
        {"Drums", gm::kDrumChannel, 0, 100, 64, 30,
         drumLine("CAAAAAAF CAAAAAAF CAAAAAAF", drums, song)},
    };
    return song;
}

}  // namespace soundgen
