#pragma once

#include "state/checked_int.h"

class RandomSource;
struct PlayState;

inline constexpr int kStartDistance = 290;

// The round's single invader, never at one of the three remembered angles.
void PlaceSingle(PlayState& p, RandomSource& rnd, int hi);

// Level 3: all three slots on the first round of a stage (gTarget 999), otherwise only the slot
// just hit, at an angle none of the three current invaders has.
void PlaceOrRefillThree(PlayState& p, RandomSource& rnd);

// The direction to count from the red line towards an invader: +1 counter-clockwise.
int CountDirection(int lineAngle, int invaderAngle);
