#include "core/angle_grid.h"

#include "state/angles.h"

int AngleGrid::indexOf(int angle) const {
    if (angle < lowest || angle > highest || (angle - lowest) % step != 0) {
        return -1;
    }
    return (angle - lowest) / step;
}

Int16 AngleGrid::snap(Int16 typed) const {
    return RoundHalfUp(typed / static_cast<double>(step)) * step;
}
