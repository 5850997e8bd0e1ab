#include "play/placement_rules.h"

#include "play/play_state.h"
#include "state/angles.h"

void PlaceSingle(PlayState& g, RandomSource& rnd, int hi) {
    g.gInvAngle[0] = RandomAngle(rnd, 10, hi, 10, g.gLastAngle1, g.gLastAngle2, g.gLastAngle3);
    g.gInvDist[0] = kStartDistance;
}

void PlaceOrRefillThree(PlayState& g, RandomSource& rnd) {
    auto& a = g.gInvAngle;
    if (g.gTarget == kEmptySlot) {
        a[0] = RandomAngle(rnd, 10, 180, 10, g.gLastAngle1, 0, 0);
        g.gInvDist[0] = kStartDistance;
        a[1] = RandomAngle(rnd, 10, 180, 10, g.gLastAngle1, a[0], 0);
        g.gInvDist[1] = kStartDistance;
        a[2] = RandomAngle(rnd, 10, 180, 10, g.gLastAngle1, a[0], a[1]);
        g.gInvDist[2] = kStartDistance;
        return;
    }
    const int s = g.gTarget;
    a.at(s) = RandomAngle(rnd, 10, 180, 10, a[0], a[1], a[2]);
    g.gInvDist.at(s) = kStartDistance;
}

int CountDirection(int lineAngle, int invaderAngle) {
    return lineAngle < invaderAngle ? 1 : -1;
}
