#include "state/angles.h"

#include <cmath>

#include "state/random_source.h"

namespace {
constexpr double kPi = 3.14159;

double toRadians(double deg) {
    return deg * kPi / 180.0;
}

// Integer division as the game's rules write it: operands rounded to whole numbers (halves to
// even), the quotient truncated.
long long wholeDiv(double a, double b) {
    return std::llrint(a) / std::llrint(b);
}
}  // namespace

Int16 RoundHalfUp(double x) {
    const double whole = std::floor(x);
    const double rounded = (x - whole >= 0.5) ? whole + 1 : whole;
    if (!(rounded >= -32768.0 && rounded <= 32767.0)) {
        throw std::overflow_error("overflow: rounded value does not fit in 16 bits");
    }
    return Int16(static_cast<int>(rounded));
}

float AngleX(double r, double angleDeg) {
    return static_cast<float>(r * std::cos(toRadians(angleDeg)));
}

float AngleY(double r, double angleDeg) {
    return static_cast<float>(r * std::sin(toRadians(angleDeg)));
}

Int16 RandomAngle(RandomSource& rnd, double lo, double hi, double step, double ex1, double ex2,
                  double ex3) {
    if (step > hi || hi < lo || step == 0) {
        return Int16(static_cast<int>(hi));
    }
    const long long first = wholeDiv(lo, step);
    const long long count = wholeDiv(hi, step) - first + 1;
    for (;;) {
        const double u = rnd.next();
        const double f =
            step * std::floor(static_cast<double>(first) + u * static_cast<double>(count));
        if (f != ex1 && f != ex2 && f != ex3 && lo <= f && f <= hi) {
            return Int16(static_cast<int>(f));
        }
    }
}

Int16 NearestSlot(const std::array<Int16, 3>& distances) {
    int best = 0;
    if (distances[0] > distances[1]) {
        best = 1;
    }
    if (distances[best] > distances[2]) {
        best = 2;
    }
    return Int16(best);
}

Int16 DistanceBand(Int16 dist) {
    return Int16(dist / 75);
}
