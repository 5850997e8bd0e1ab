#pragma once

#include <QTemporaryDir>

#include "app/screen_flow.h"
#include "app/screen_registry.h"
#include "doubles/always_alone.h"
#include "doubles/recording_sound.h"
#include "doubles/virtual_clock.h"
#include "kit/navigator.h"
#include "state/game_services.h"
#include "state/game_state.h"
#include "state/random_source.h"
#include "state/run_memory.h"

// One run of the program, from its first screen until a screen ends it, over a data folder
// that outlives the run.
struct MonkeyRun {
    MonkeyRun(const QString& folder, std::uint32_t seed)
        : random(seed), services{{clock, nav}, state,    run,    random,
                                 sound,        instance, folder, folder} {
        RegisterScreens(services, flow);
    }

    GameState state;
    RunMemory run;
    VirtualClock clock;
    SeededRandom random;
    RecordingSoundSystem sound;
    Navigator nav;
    AlwaysAlone instance;
    GameServices services;
    ScreenFlow flow{nav, state};
};
