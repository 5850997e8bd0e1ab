#pragma once

#include <QColor>
#include <array>
#include <optional>

#include "state/checked_int.h"

class RandomSource;

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
};
FanTick StepFan(FanState& fan, int stage, int lineAngle, int lineDir, int inputAngle);

// Length of the shot line on its steps 0 to 4; the last step keeps the full 310.
double ShotLength(int shotStep);

// Where the points label stands beside the hit invader.
enum class LabelSide { RightAbove, LeftAbove };

struct Award {
    Int32 points;
    QColor colour;
    bool labelShown;
    LabelSide side;
};
// The points of a hit at rel degrees from the red line on an invader of the given band.
Award AwardFor(int rel, int band, int level, const std::array<Int16, 4>& points, RandomSource& rnd);
