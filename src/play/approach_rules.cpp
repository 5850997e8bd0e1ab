#include "play/approach_rules.h"

int ApproachInterval(int level, int slot, int nearSlot, int rest, int angle, int d) {
    if (level == 3) {
        return slot == nearSlot ? static_cast<int>(d * 1.5) : d * 2;
    }
    if (rest == 1 || angle == 90 || angle == 180) {
        return d / 3;
    }
    return angle == 10 ? d : d * 4;
}
