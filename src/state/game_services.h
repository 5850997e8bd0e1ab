#pragma once

#include <QString>

#include "kit/services.h"

class AnglePicker;
class RandomSource;
class SingleInstance;
class SoundSystem;
struct GameState;
struct RunMemory;

// What every screen of the game is given beyond the kit's: the shared state, what screens keep
// for the rest of the run, randomness, sound, and the program's place in the system.
struct GameServices : Services {
    GameState& state;
    RunMemory& run;
    RandomSource& random;
    SoundSystem& sound;
    SingleInstance& instance;
    // The folder of the program's sound, music and note files, and the folder of the data files
    // it writes; without a trailing separator.
    QString programDir;
    QString dataDir;
    // Chooses the invaders' angles; none: the game's own random choice.
    AnglePicker* picker = nullptr;
};
