#pragma once

#include "state/checked_int.h"

// Which angles exist: every multiple of `step` from `lowest` to `highest`, in whole degrees. The
// entry, the fan, the marks, the placement and the record's figures all take their angles from
// it; nothing else assumes a step.
struct AngleGrid {
    int step = 10;
    int lowest = 10;
    int highest = 180;

    // How many angles there are.
    int count() const { return (highest - lowest) / step + 1; }
    int angleAt(int index) const { return lowest + index * step; }
    // The angle's index, or -1 for one the grid does not have.
    int indexOf(int angle) const;
    // The nearest multiple of the step, halves upwards: how a typed angle is fired.
    Int16 snap(Int16 typed) const;
    // The same grid without its highest angle.
    AngleGrid withoutHighest() const { return {step, lowest, highest - step}; }

    bool operator==(const AngleGrid&) const = default;
};

// The game's grid: 10° to 180° in steps of 10.
inline constexpr AngleGrid kTensGrid{};
