// Stage 2: a skipping jig in G major and 6/8 - flute and xylophone over tuba and accordion.
#include <string>

#include "score.h"
#include "tunes.h"

namespace soundgen {

Song stageTwoTune() {
    Song song{"Tezra stage 2", 150, 6, 8, 1, 32, {}};

    const std::string opening =
        "D5:4 B4:2 D5:4 G5:2 | E5:4 C5:2 E5:4 G5:2 | D5:4 B4:2 G4:4 B4:2 | A4:4 B4:2 C5:4 A4:2 |"
        "D5:4 B4:2 D5:4 G5:2 | E5:4 G5:2 C6:4 A5:2 |";
    const std::string theme = opening + "G5:2 F#5:2 E5:2 D5:2 C5:2 A4:2 |";
    const std::string answer = opening + "A5:2 G5:2 F#5:2 E5:2 F#5:2 A5:2 | G5:6 R:6 |";
    const std::string bridge =
        "B5:4 A5:2 G5:4 E5:2 | E5:4 G5:2 C6:6 | B5:4 A5:2 G5:4 D5:2 | F#5:4 E5:2 D5:6 |"
        "E5:2 F#5:2 G5:2 B5:4 G5:2 | C6:4 B5:2 A5:4 G5:2 | A5:2 G5:2 F#5:2 E5:2 C#5:2 E5:2 |"
        "A5:4 F#5:2 D5:6 |";
    // The last bar runs down onto the opening D, so the loop runs on without a seam.
    const std::string melody =
        theme + "G4:6 R:6 |" + answer + bridge + theme + "G5:4 D5:2 B4:2 A4:2 C5:2 |";

    const std::string openingChords = "G:12 | C:12 | G:12 | D7:12 | G:12 | C:12 | D7:12 |";
    const std::string bridgeChords = "Em:12 | C:12 | G:12 | D:12 | Em:12 | C:12 | A7:12 | D7:12 |";
    const auto chords = parseChords(openingChords + "G:12 |" + openingChords + "G:12 |" +
                                        bridgeChords + openingChords + "G:6 D7:6 |",
                                    song);

    const std::map<char, DrumBar> drums{
        {'A',
         {{gm::kKick, "X.....x....."},
          {gm::kSnare, "......x....."},
          {gm::kClosedHat, "x.o.o.x.o.o."}}},
        {'C',
         {{gm::kCrash, "X..........."},
          {gm::kKick, "X.....x....."},
          {gm::kSnare, "......x....."},
          {gm::kClosedHat, "..o.o.x.o.o."}}},
        {'F',
         {{gm::kKick, "X.....x....."},
          {gm::kSnare, "......x.x.xX"},
          {gm::kClosedHat, "x.o.o......."}}},
    };

    const auto tune = parseMelody(melody, song, 96);
    song.parts = {
        {"Flute", 0, gm::kFlute, 100, 58, 40, tune},
        {"Xylophone", 3, gm::kXylophone, 100, 76, 30, tune},
        {"Tuba", 1, gm::kTuba, 100, 64, 20, bassLine(chords, "1:4 5:2", 31, 96)},
        {"Accordion", 2, gm::kAccordion, 80, 44, 40, chordLine(chords, "r:2 c:2 c:2", 62, 58)},
        {"Drums", gm::kDrumChannel, 0, 90, 64, 30,
         drumLine("CAAAAAAF CAAAAAAF CAAAAAAF CAAAAAAF", drums, song)},
    };
    return song;
}

}  // namespace soundgen
