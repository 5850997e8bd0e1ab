#pragma once

class Clock;
class Navigator;
class RandomSource;
class SoundSystem;
struct GameState;

// What every screen is given: the shared state and the injected clock, randomness, sound and
// navigation.
struct Services {
    GameState& state;
    Clock& clock;
    RandomSource& random;
    SoundSystem& sound;
    Navigator& nav;
};
