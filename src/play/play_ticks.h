#pragma once

#include <optional>

#include "play/shot_rules.h"

// What one tick of a play sequence shows. The model steps the sequence and returns one of these;
// the screen draws and sounds it and starts the next timer.

// One step of the shot's flight: the line from the cannon, and at the rim the judgement.
struct ShotTick {
    double length = 0;
    int direction = 0;
    bool sounds = false;      // the shot is heard on its first step
    bool reachedRim = false;  // the flight is over and the shot was judged
    std::optional<int> hitSlot;
    Award award{};          // a hit: what the points label shows
    bool endsGame = false;  // a miss that cost the last points
};

// One tick of the pause after a hit.
struct HitFollowUpTick {
    std::optional<int> hideSlot;  // the burst invader disappears
    bool hidePoints = false;
    bool done = false;  // the next round is due
};

// One tick of the shake after a miss.
struct MissFollowUpTick {
    int shake = 0;  // the field moves up (< 0) or down by this much
    bool putBack = false;
    bool done = false;
    bool aimingAgain = false;  // no shot was fired during the shake: the field is cleared
};
