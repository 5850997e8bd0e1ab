#pragma once

#include "song.h"

namespace soundgen {

// The stage tunes, one per stage, each a loop of about forty seconds.
Song stageOneTune();
Song stageTwoTune();
Song stageThreeTune();

// General MIDI programs and drum notes the tunes use.
namespace gm {
constexpr int kElectricPiano = 4;
constexpr int kGlockenspiel = 9;
constexpr int kXylophone = 13;
constexpr int kAccordion = 21;
constexpr int kStrings = 48;
constexpr int kTuba = 58;
constexpr int kBrassSection = 61;
constexpr int kFlute = 73;
constexpr int kSquareLead = 80;
constexpr int kSynthBass = 38;
constexpr int kSynthBass2 = 39;
constexpr int kDrumChannel = 9;

constexpr int kKick = 36;
constexpr int kSnare = 38;
constexpr int kClosedHat = 42;
constexpr int kLowTom = 45;
constexpr int kOpenHat = 46;
constexpr int kHighMidTom = 48;
constexpr int kCrash = 49;
constexpr int kHighTom = 50;
}  // namespace gm

}  // namespace soundgen
