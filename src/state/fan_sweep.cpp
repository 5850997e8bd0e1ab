#include "state/fan_sweep.h"

#include <algorithm>

namespace {

FanTick begin(FanState& fan, float from, float to) {
    fan.fanFrom = from;
    fan.fanTo = to;
    fan.fanActive = 1;
    return {};
}

// Anticlockwise from `start` until the slice reaches base + angle, where the last one stops; each
// tick's slice lies nine degrees on from the last and a degree wider.
FanTick anticlockwise(FanState& fan, float start, int base, int angle) {
    if (fan.fanActive == 0) {
        return begin(fan, start, static_cast<float>(base + 10));
    }
    const float end = static_cast<float>(base + angle);
    FanTick tick{FanSlice{fan.fanFrom, std::min(fan.fanTo, end)}};
    if (fan.fanTo >= end) {
        tick.finished = true;
    } else {
        fan.fanFrom += 9;
        fan.fanTo += 10;
    }
    return tick;
}

// Clockwise from `base` until the slice reaches base - angle, where the last one stops. Below 0 a
// slice is drawn up to 360; one starting at exactly 0 starts at the zero edge and ends at
// `zeroTo`, or where it ends.
FanTick clockwise(FanState& fan, int base, int angle, std::optional<float> zeroTo) {
    if (fan.fanActive == 0) {
        return begin(fan, static_cast<float>(base - 10), static_cast<float>(base));
    }
    FanTick tick;
    const float from = std::max(fan.fanFrom, static_cast<float>(base - angle));
    if (from > 0) {
        tick.slice = FanSlice{from, fan.fanTo};
    } else if (from < 0) {
        tick.slice = FanSlice{from + 360.0, 360};
    } else {
        tick.slice = FanSlice{kZeroEdge, zeroTo.value_or(fan.fanTo)};
    }
    if (fan.fanFrom <= base - angle) {
        tick.finished = true;
    } else {
        fan.fanFrom -= 10;
        fan.fanTo -= 9;
    }
    return tick;
}

}  // namespace

FanTick StepFan(FanState& fan, int stage, int lineAngle, int lineDir, int inputAngle) {
    if (stage == 1) {
        return anticlockwise(fan, kZeroEdge, 0, inputAngle);
    }
    if (stage == 2) {
        // A sweep of 180 ends at the zero edge instead of drawing a slice below the horizon.
        return clockwise(fan, 180, inputAngle, std::nullopt);
    }
    if (stage == 3 && lineDir == 1) {
        return anticlockwise(fan, static_cast<float>(lineAngle), lineAngle, inputAngle);
    }
    if (stage == 3 && lineDir == -1) {
        return clockwise(fan, lineAngle, inputAngle, 11.0f);
    }
    return {};
}
