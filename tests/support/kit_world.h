#pragma once

#include "doubles/always_alone.h"
#include "doubles/recording_sound.h"
#include "doubles/virtual_clock.h"
#include "kit/navigator.h"
#include "state/game_services.h"
#include "state/game_state.h"
#include "state/random_source.h"
#include "state/run_memory.h"

// Everything a screen is given, on virtual time with recorded sound, and a navigator that
// hands it out; tests register their own screens.
struct KitWorld {
    GameState state;
    RunMemory run;
    VirtualClock clock;
    SeededRandom random{1};
    RecordingSoundSystem sound;
    Navigator nav;
    AlwaysAlone instance;
    GameServices services{{clock, nav}, state, run, random, sound, instance, QString(), QString()};
};
