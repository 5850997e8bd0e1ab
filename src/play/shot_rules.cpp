#include "play/shot_rules.h"

#include <cmath>

#include "art/colours.h"
#include "state/random_source.h"

namespace {

FanTick begin(FanState& fan, float from, float to) {
    fan.fanFrom = from;
    fan.fanTo = to;
    fan.fanActive = 1;
    return {};
}

// Int(Rnd * span + first) * step, in double: in single precision a draw just below 1 rounds up
// to the next whole number and gives points one step above the range.
int randomPoints(RandomSource& rnd, int span, int first, int step) {
    return static_cast<int>(std::floor(static_cast<double>(rnd.next()) * span + first)) * step;
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

double ShotLength(int shotStep) {
    return 70 + 60 * std::min(shotStep, 4);
}

Award AwardFor(int rel, int band, int level, const std::array<Int16, 4>& points,
               RandomSource& rnd) {
    struct Bonus {
        int rel, band, points;
        QColor colour;
        LabelSide side;
    };
    static const Bonus kBonuses[] = {
        {30, 3, 1000, kCyan, LabelSide::RightAbove},
        {60, 2, 3000, kGreen, LabelSide::RightAbove},
        {90, 1, 5000, kYellow, LabelSide::RightAbove},
        {180, 0, 9000, kWhite, LabelSide::LeftAbove},
    };
    for (const Bonus& b : kBonuses) {
        if (rel == b.rel && band == b.band) {
            return {b.points, b.colour, true, b.side};
        }
    }
    static const QColor kBandColours[] = {kRed, kYellow, kGreen, kCyan};
    const QColor colour = kBandColours[band];
    int award = points.at(band);
    if (level == 3 && band == 2) {
        award = randomPoints(rnd, 13, 8, 10);
    } else if (level == 3 && band == 3) {
        award = randomPoints(rnd, 5, 1, 100);
    } else if (level == 2 && band == 3) {
        award = randomPoints(rnd, 6, 5, 10);
    }
    return {award, colour, level == 2 || level == 3, LabelSide::RightAbove};
}
