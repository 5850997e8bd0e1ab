#pragma once

#include <array>
#include <cstdint>

#include "state/checked_int.h"

// x rounded to a whole number, halves upwards; throws when it does not fit in 16 bits.
Int16 RoundHalfUp(double x);

// The point at distance r in absolute direction angleDeg, with pi taken as 3.14159.
float AngleX(double r, double angleDeg);
float AngleY(double r, double angleDeg);

// The slot 0, 1 or 2 with the smallest distance; ties go to the lower slot.
Int16 NearestSlot(const std::array<Int16, 3>& distances);

// Distance band 0 (nearest) to 3 (farthest) of an invader's distance.
Int16 DistanceBand(Int16 dist);
