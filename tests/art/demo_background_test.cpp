#include <gtest/gtest.h>

#include <cmath>

#include "art/demo_background.h"

// The demonstration's field is the play field's shape at its own size: sky down to the cannon's
// row, the grey band below, the half-disc reaching the shots' full length and no farther.
TEST(DemoBackground, HalfDiscOfTheShotsReachOverAGreyBand) {
    const QImage& field = DemoBackground();
    EXPECT_EQ(field.size(), QSize(449, 240));
    EXPECT_FALSE(field.hasAlphaChannel());
    // The picture built into the program is the one the art code draws today.
    EXPECT_EQ(field, DrawNightField(kDemoFieldShape));
    const QRgb grey = qRgb(128, 128, 128);
    EXPECT_EQ(field.pixel(3, 224), grey);
    EXPECT_EQ(field.pixel(445, 239), grey);
    EXPECT_NE(field.pixel(3, 223), grey);
    // The Earth sits on the cannon.
    EXPECT_GE(qBlue(field.pixel(kDemoCannon)), 140);
    int inside = 0;
    int outside = 0;
    for (int a = 0; a <= 180; ++a) {
        const double r = a * M_PI / 180;
        auto at = [&](int radius) {
            return field.pixel(kDemoCannon +
                               QPoint(static_cast<int>(std::lround(radius * std::cos(r))),
                                      -static_cast<int>(std::lround(radius * std::sin(r)))));
        };
        inside += qBlue(at(kDemoRadius - 4)) >= 70;
        outside += qBlue(at(kDemoRadius + 4)) <= 40;
    }
    // Stars may fall on a few of the sampled points.
    EXPECT_GE(inside, 170);
    EXPECT_GE(outside, 170);
}
