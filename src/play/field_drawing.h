#pragma once

#include <initializer_list>

#include "play/shot_rules.h"

class FieldCanvas;
class RandomSource;

// One slice of the fan around the cannon: a solid red wedge in the field's fill colour.
void DrawFanWedge(FieldCanvas& field, double radius, const FanSlice& slice);

// One set of a starburst's rays: `count` rays, each Int(Rnd * lengthSpan) + lengthBase long.
struct BurstRays {
    int count;
    int lengthSpan;
    int lengthBase;
};

// A red starburst from field point (x, y): the sets of rays in order, each ray in a random
// direction, its direction drawn before its length.
void DrawStarburst(FieldCanvas& field, RandomSource& rnd, float x, float y,
                   std::initializer_list<BurstRays> sets);
