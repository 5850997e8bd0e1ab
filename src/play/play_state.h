#pragma once

#include <array>

#include "state/checked_int.h"

// Marks an empty invader slot, no target and no shot under way.
inline constexpr int kEmptySlot = 999;
// Marks a slot whose invader is gone for the rest of the stage.
inline constexpr int kRetiredSlot = 185;

// The play's own state, kept by its model under the design's names: the invaders of the round
// (absolute angle and distance per slot), the three angles hit last, the slot the shot under way
// will hit, the invaders left in the stage, the angle typed, and the red line the child counts
// from with the direction of counting and the slot nearest the cannon.
struct PlayState {
    std::array<Int16, 3> gInvDist{};
    std::array<Int16, 3> gInvAngle{};
    Int16 gLastAngle1;
    Int16 gLastAngle2;
    Int16 gLastAngle3;
    Int16 gRest;
    Int16 gInputAngle;
    Int16 gTarget;
    Int16 mLineAngle;
    Int16 mLineDir;
    Int16 mNearSlot;
};
