#pragma once

#include <array>

#include "state/checked_int.h"

// One typed character: the new angle and whether the digit click sounds.
struct TypedKey {
    Int16 angle;
    bool click;
};
// Digits build the angle; a value over `highest` falls back to 0; any other character clears it.
TypedKey TypeKey(Int16 angle, char32_t key, int highest);

// The first slot whose invader stands exactly at the absolute direction, or 999.
Int16 TargetSlot(const std::array<Int16, 3>& invaderAngles, int direction);
