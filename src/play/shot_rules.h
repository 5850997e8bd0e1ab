#pragma once

#include <QColor>
#include <QString>
#include <array>

#include "state/checked_int.h"

class RandomSource;

// Length of the shot line on its steps 0 to 4; the last step keeps the full 310.
double ShotLength(int shotStep);

// Where the points label stands beside the hit invader.
enum class LabelSide { RightAbove, LeftAbove };

struct Award {
    Int32 points;
    QColor colour;
    bool labelShown;
    LabelSide side;
};
// The points of a hit at rel degrees from the red line on an invader of the given band.
Award AwardFor(int rel, int band, int level, const std::array<Int16, 4>& points, RandomSource& rnd);

// What a miss's answer says: the right angle, and how far the typed one was off and which way.
QString AnswerText(int rightAngle, int typedAngle);
