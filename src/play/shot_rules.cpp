#include "play/shot_rules.h"

#include <cmath>
#include <cstdlib>

#include "art/colours.h"
#include "state/random_source.h"

namespace {

// Int(Rnd * span + first) * step, in double: in single precision a draw just below 1 rounds up
// to the next whole number and gives points one step above the range.
int randomPoints(RandomSource& rnd, int span, int first, int step) {
    return static_cast<int>(std::floor(static_cast<double>(rnd.next()) * span + first)) * step;
}
}  // namespace

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

QString AnswerText(int rightAngle, int typedAngle) {
    const int off = typedAngle - rightAngle;
    return QStringLiteral("せいかいは ") + QString::number(rightAngle) + QStringLiteral("°　") +
           QString::number(std::abs(off)) + QStringLiteral("° ") +
           (off < 0 ? QStringLiteral("小さい") : QStringLiteral("大きい"));
}
