#include "play/placement_rules.h"

#include "core/angle_picker.h"
#include "play/play_state.h"

namespace {
Int16 Pick(AnglePicker& picker, PickContext& context, int ex1, int ex2, int ex3) {
    context.avoid = {ex1, ex2, ex3};
    return picker.pick(context);
}
}  // namespace

void PlaceSingle(PlayState& g, AnglePicker& picker, PickContext context) {
    g.gInvAngle[0] = Pick(picker, context, g.gLastAngle1, g.gLastAngle2, g.gLastAngle3);
    g.gInvDist[0] = kStartDistance;
}

void PlaceOrRefillThree(PlayState& g, AnglePicker& picker, PickContext context) {
    auto& a = g.gInvAngle;
    if (g.gTarget == kEmptySlot) {
        a[0] = Pick(picker, context, g.gLastAngle1, 0, 0);
        g.gInvDist[0] = kStartDistance;
        a[1] = Pick(picker, context, g.gLastAngle1, a[0], 0);
        g.gInvDist[1] = kStartDistance;
        a[2] = Pick(picker, context, g.gLastAngle1, a[0], a[1]);
        g.gInvDist[2] = kStartDistance;
        return;
    }
    const int s = g.gTarget;
    a.at(s) = Pick(picker, context, a[0], a[1], a[2]);
    g.gInvDist.at(s) = kStartDistance;
}

int CountDirection(int lineAngle, int invaderAngle) {
    return lineAngle < invaderAngle ? 1 : -1;
}
