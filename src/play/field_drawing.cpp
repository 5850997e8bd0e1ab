#include "play/field_drawing.h"

#include <cmath>

#include "art/colours.h"
#include "kit/field_canvas.h"
#include "state/angles.h"
#include "state/random_source.h"

void DrawFanWedge(FieldCanvas& field, double radius, const FanSlice& slice) {
    field.pie({0, 0}, radius, kRed, slice.from, slice.to);
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
