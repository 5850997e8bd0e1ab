#include "play/entry_rules.h"

#include "play/play_state.h"
#include "state/angles.h"

TypedKey TypeKey(Int16 angle, char32_t key, int highest) {
    if (key < U'0' || key > U'9') {
        return {0, false};
    }
    Int16 next = angle * 10 + static_cast<int>(key - U'0');
    if (next > highest) {
        next = 0;
    }
    return {next, true};
}

Int16 TargetSlot(const std::array<Int16, 3>& invaderAngles, int direction) {
    for (int slot = 0; slot < 3; ++slot) {
        if (invaderAngles[slot] == direction) {
            return slot;
        }
    }
    return kEmptySlot;
}
