#pragma once

#include <QString>

class Clock;
class Navigator;
class RandomSource;
class SingleInstance;
class SoundSystem;
struct GameState;
struct RunMemory;

// What every screen is given: the shared state, what screens keep for the rest of the run, the
// injected clock, randomness, sound and navigation, and the program's place in the system.
struct Services {
    GameState& state;
    RunMemory& run;
    Clock& clock;
    RandomSource& random;
    SoundSystem& sound;
    Navigator& nav;
    SingleInstance& instance;
    // The folder of the program's sound, music and note files, and the folder of the data files
    // it writes; without a trailing separator.
    QString programDir;
    QString dataDir;
};
