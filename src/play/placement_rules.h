#pragma once

#include "state/checked_int.h"

class AnglePicker;
struct PickContext;
struct PlayState;

inline constexpr int kStartDistance = 290;

// The round's single invader, never at one of the three remembered angles. `context` gives the
// grid, the level, the stage and the player; the angles to avoid are filled in here.
void PlaceSingle(PlayState& p, AnglePicker& picker, PickContext context);

// Level 3: all three slots on the first round of a stage (gTarget 999), otherwise only the slot
// just hit, at an angle none of the three current invaders has.
void PlaceOrRefillThree(PlayState& p, AnglePicker& picker, PickContext context);

// The direction to count from the red line towards an invader: +1 counter-clockwise.
int CountDirection(int lineAngle, int invaderAngle);
