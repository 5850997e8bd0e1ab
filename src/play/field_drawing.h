#pragma once

#include <QPointF>
#include <QString>
#include <initializer_list>

#include "state/fan_sweep.h"

struct AngleGrid;
class FieldCanvas;
class FieldLine;
class RandomSource;

// What the play field and the title's demonstration draw, from plain values. Angles are
// absolute field directions in degrees; the cannon stands at the field's origin.

// One slice of the fan around the cannon: a solid red wedge in the field's fill colour.
void DrawFanWedge(FieldCanvas& field, double radius, const FanSlice& slice);

// The shot: its line from the cannon, `length` long in direction `angle`, shown.
void DrawShotLine(FieldLine& shot, double length, double angle);

// One set of a starburst's rays: `count` rays, each Int(Rnd * lengthSpan) + lengthBase long.
struct BurstRays {
    int count;
    int lengthSpan;
    int lengthBase;
};

// A red starburst from field point (x, y): the sets of rays in order, each ray in a random
// direction, its direction drawn before its length.
void DrawStarburst(FieldCanvas& field, RandomSource& rnd, float x, float y,
                   std::initializer_list<BurstRays> sets);

// The protractor around the cannon: a cyan inner scale and white marks along the rim, a mark at
// every angle of the grid's step from 0.
void DrawProtractor(FieldCanvas& field, const AngleGrid& grid);

// The right angle after a miss, in the answer's colour: a line from the cannon to the rim in
// direction `answer` and an arc between it and the red line at `lineAngle`.
void DrawAnswerAngle(FieldCanvas& field, int lineAngle, int answer);

// The arrow of the moving red line at `lineAngle` that says which way to count: a white arc of
// ten degrees inside the rim from the line, `direction` 1 counter-clockwise or -1 clockwise,
// with an arrowhead at its far end.
struct CountArrowLabel {
    QString caption;
    // Top-left corner of the caption in field units, beside the arc's middle.
    QPointF at;
};
CountArrowLabel DrawCountingArrow(FieldCanvas& field, int lineAngle, int direction);
