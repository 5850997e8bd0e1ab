#pragma once

#include <QtGlobal>

// clang-format off
// One shot as the game judged it.
struct JudgedShot {
    int level = 0;
    int stage = 0;
    int rightAngle = 0;   // the target invader's angle, counted from the red line the way the child counts
    int typedAngle = 0;   // the angle the child typed, counted the same way
    bool hit = false;
    int points = 0;       // the change of the score: the points won, or minus the points a miss costs
    qint64 elapsedMs = 0; // from the start of the round (the invader placed) to the fire, on the game's clock
    qint64 sinceFireMs = 0; // from the fire to the judgement (the fan and the flight), on the game's clock
};
// clang-format on
