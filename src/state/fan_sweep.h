#pragma once

#include <optional>

#include "state/checked_int.h"

// A radius edge at exactly 0 degrees cannot be asked of the pie drawing; this stands for it.
inline constexpr float kZeroEdge = 0.00001f;

// The fan's state between ticks.
struct FanState {
    float fanFrom = 0;
    float fanTo = 0;
    Int16 fanActive;
};

struct FanSlice {
    double from;
    double to;
};

// One fan tick: the slice to draw (none on the set-up tick) and whether the sweep is complete.
struct FanTick {
    std::optional<FanSlice> slice;
    bool finished = false;
    // The finished fan is narrow enough for the red line's upper strand to show through it.
    bool narrow = false;
};
FanTick StepFan(FanState& fan, int stage, int lineAngle, int lineDir, int inputAngle);
