#include "play/field_drawing.h"

#include <algorithm>
#include <cmath>

#include "art/colours.h"
#include "core/angle_grid.h"
#include "kit/field_canvas.h"
#include "state/angles.h"
#include "state/field_geometry.h"
#include "state/random_source.h"

namespace {
constexpr int kArrowRadius = 250;
constexpr int kArrowStroke = 10;
// Wider than the fan and the inner scale, inside the miss message.
constexpr int kAnswerArcRadius = 110;

QPointF polar(double r, double angle) {
    return {AngleX(r, angle), AngleY(r, angle)};
}
}  // namespace

void DrawFanWedge(FieldCanvas& field, double radius, const FanSlice& slice) {
    field.pie({0, 0}, radius, kRed, slice.from, slice.to);
}

void DrawShotLine(FieldLine& shot, double length, double angle) {
    shot.setP2(polar(length, angle));
    shot.setVisible(true);
}

void DrawStarburst(FieldCanvas& field, RandomSource& rnd, float x, float y,
                   std::initializer_list<BurstRays> sets) {
    for (const BurstRays& set : sets) {
        for (int i = 0; i < set.count; ++i) {
            const float a = rnd.next() * 360.0f;
            const int len =
                static_cast<int>(std::floor(rnd.next() * set.lengthSpan)) + set.lengthBase;
            field.line({x, y}, {x + AngleX(len, a), y + AngleY(len, a)}, kRed);
        }
    }
}

void DrawProtractor(FieldCanvas& field, const AngleGrid& grid) {
    auto radial = [&field](double a, double r1, double r2, const QColor& colour) {
        field.line(polar(r1, a), polar(r2, a), colour);
    };
    field.arc({0, 0}, 70, kCyan, 0, 180);
    for (int a = 0; a <= grid.highest; a += grid.step) {
        radial(a, 17, 70, kCyan);
    }
    for (int a : {0, 90, 180}) {
        radial(a, 0, 76, kCyan);
    }
    for (int a = 0; a <= 180; ++a) {
        field.point(polar(kFieldRadius, a), kWhite);
    }
    for (int a = 0; a <= grid.highest; a += grid.step) {
        radial(a, 300, 311, kWhite);
    }
    for (int a : {0, 90, 180}) {
        radial(a, 290, 311, kWhite);
    }
}

void DrawAnswerAngle(FieldCanvas& field, int lineAngle, int answer) {
    field.line({0, 0}, polar(kFieldRadius, answer), kOrange);
    const int from = std::min(lineAngle, answer);
    const int to = std::max(lineAngle, answer);
    // Arcs take screen angles: on the mirrored field a direction shows at 180 degrees less it.
    if (field.scaleWidth() < 0) {
        field.arc({0, 0}, kAnswerArcRadius, kOrange, 180 - to, 180 - from);
    } else {
        field.arc({0, 0}, kAnswerArcRadius, kOrange, from, to);
    }
}

CountArrowLabel DrawCountingArrow(FieldCanvas& field, int lineAngle, int direction) {
    const int L = lineAngle;
    const int d = direction;
    const QPointF tip = polar(kArrowRadius, L + 10 * d);
    const bool clockwise = d == -1;
    if (clockwise) {
        field.arc({0, 0}, kArrowRadius, kWhite, L - 10, L);
    } else {
        field.arc({0, 0}, kArrowRadius, kWhite, L, L + 10);
    }
    // The arrowhead's two strokes lean back from the tip along the arc.
    const double mid = L + 5 * d;
    const double strokes[] = {clockwise ? mid + 60 : mid - 60,
                              clockwise ? mid + 120 : mid + 180 + 60};
    for (double a : strokes) {
        field.line(tip, tip + polar(kArrowStroke, a), kWhite);
    }
    const QPointF middle = polar(kArrowRadius, mid);
    return {clockwise ? QStringLiteral("右へ") : QStringLiteral("左へ"),
            {L + d > 89 ? middle.x() - 26 : middle.x(), middle.y() + 14}};
}
