#include "play/entry_rules.h"

#include "state/angles.h"
#include "state/game_state.h"

TypedKey TypeKey(Int16 angle, char32_t key) {
    if (key < U'0' || key > U'9') {
        return {0, false};
    }
    Int16 next = angle * 10 + static_cast<int>(key - U'0');
    if (next > 180) {
        next = 0;
    }
    return {next, true};
}

Int16 FiredAngle(Int16 typed) {
    return RoundHalfUp(typed / 10.0) * 10;
}

Int16 TargetSlot(const GameState& state, int direction) {
    for (int slot = 0; slot < 3; ++slot) {
        if (state.gInvAngle[slot] == direction) {
            return slot;
        }
    }
    return kEmptySlot;
}
