#pragma once

#include <array>

#include "state/checked_int.h"

// One typed character: the new angle and whether the digit click sounds.
struct TypedKey {
    Int16 angle;
    bool click;
};
// Digits build the angle; a value over 180 falls back to 0; any other character clears it.
TypedKey TypeKey(Int16 angle, char32_t key);

// The typed angle as fired: the nearest multiple of 10, halves upwards.
Int16 FiredAngle(Int16 typed);

// The first slot whose invader stands exactly at the absolute direction, or 999.
Int16 TargetSlot(const std::array<Int16, 3>& invaderAngles, int direction);
