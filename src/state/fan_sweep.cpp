#include "state/fan_sweep.h"

namespace {

FanTick begin(FanState& fan, float from, float to) {
    fan.fanFrom = from;
    fan.fanTo = to;
    fan.fanActive = 1;
    return {};
}

}  // namespace

FanTick StepFan(FanState& fan, int stage, int lineAngle, int lineDir, int inputAngle) {
    const bool first = fan.fanActive == 0;
    if (stage == 1) {
        if (first) {
            return begin(fan, kZeroEdge, 10);
        }
        FanTick tick{FanSlice{fan.fanFrom, fan.fanTo}};
        if (fan.fanTo >= inputAngle) {
            tick.finished = true;
        } else {
            fan.fanFrom += 9;
            fan.fanTo += 10;
        }
        return tick;
    }
    if (stage == 2) {
        if (first) {
            return begin(fan, 170, 180);
        }
        // The zero edge stands for 0 only in the drawing: a sweep of 180 ends there instead of
        // drawing one more slice below the horizon.
        const bool done = fan.fanFrom <= 180 - inputAngle;
        if (fan.fanFrom == 0) {
            fan.fanFrom = kZeroEdge;
        }
        FanTick tick{FanSlice{fan.fanFrom, fan.fanTo}};
        if (done) {
            tick.finished = true;
        } else {
            fan.fanFrom -= 10;
            fan.fanTo -= 9;
        }
        return tick;
    }
    if (stage == 3 && lineDir == 1) {
        if (first) {
            return begin(fan, static_cast<float>(lineAngle), static_cast<float>(lineAngle + 10));
        }
        FanTick tick{FanSlice{fan.fanFrom, fan.fanTo}};
        if (fan.fanTo >= lineAngle + inputAngle) {
            tick.finished = true;
        } else {
            fan.fanFrom += 9;
            fan.fanTo += 10;
        }
        return tick;
    }
    if (stage == 3 && lineDir == -1) {
        if (first) {
            return begin(fan, static_cast<float>(lineAngle - 10), static_cast<float>(lineAngle));
        }
        FanTick tick;
        if (fan.fanFrom > 0) {
            tick.slice = FanSlice{fan.fanFrom, fan.fanTo};
        } else if (fan.fanFrom < 0) {
            tick.slice = FanSlice{fan.fanFrom + 360.0, 360};
        } else {
            tick.slice = FanSlice{kZeroEdge, 11};
        }
        if (fan.fanFrom <= lineAngle - inputAngle) {
            tick.finished = true;
        } else {
            fan.fanFrom -= 10;
            fan.fanTo -= 9;
        }
        return tick;
    }
    return {};
}
