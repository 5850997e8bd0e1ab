#include "state/angles.h"

#include <cmath>

namespace {
constexpr double kPi = 3.14159;

double toRadians(double deg) {
    return deg * kPi / 180.0;
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
