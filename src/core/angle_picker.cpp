#include "core/angle_picker.h"

#include <cmath>

#include "state/random_source.h"

namespace {

// Integer division as the game's rules write it: operands rounded to whole numbers (halves to
// even), the quotient truncated.
long long WholeDiv(double a, double b) {
    return std::llrint(a) / std::llrint(b);
}

// A random multiple of step in [lo, hi] other than ex1, ex2 and ex3; hi for a grid that has none.
int RandomAngle(RandomSource& rnd, double lo, double hi, double step, double ex1, double ex2,
                double ex3) {
    if (step > hi || hi < lo || step == 0) {
        return static_cast<int>(hi);
    }
    const long long first = WholeDiv(lo, step);
    const long long count = WholeDiv(hi, step) - first + 1;
    for (;;) {
        const double u = rnd.next();
        const double f =
            step * std::floor(static_cast<double>(first) + u * static_cast<double>(count));
        if (f != ex1 && f != ex2 && f != ex3 && lo <= f && f <= hi) {
            return static_cast<int>(f);
        }
    }
}

}  // namespace

int RandomPicker::pick(const PickContext& c) {
    return RandomAngle(random_, c.grid.lowest, c.grid.highest, c.grid.step, c.avoid[0], c.avoid[1],
                       c.avoid[2]);
}
