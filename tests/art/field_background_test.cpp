#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "art/field_background.h"

namespace {

QPoint OnCircle(int radius, int degrees) {
    const double a = degrees * std::numbers::pi / 180.0;
    return kFieldCannon + QPoint(static_cast<int>(std::lround(radius * std::cos(a))),
                                 -static_cast<int>(std::lround(radius * std::sin(a))));
}

bool InEarth(int x, int y) {
    const int dx = x - kFieldCannon.x();
    const int dy = y - kFieldCannon.y();
    return dx * dx + dy * dy <= 16 * 16;
}

// Sea, land and ice are all far brighter than the night sky and the grey ground.
bool LooksEarthy(QRgb p) {
    return std::max(qGreen(p), qBlue(p)) >= 140;
}

}  // namespace

TEST(FieldBackground, IsAnOpaquePictureOfTheFieldSize) {
    const QImage& field = FieldBackground();
    EXPECT_EQ(field.size(), QSize(631, 350));
    EXPECT_FALSE(field.hasAlphaChannel());
    EXPECT_EQ(field.cacheKey(), FieldBackground().cacheKey());
}

TEST(FieldBackground, GreyBandFillsTheBottomRowsAroundTheEarth) {
    const QImage& field = FieldBackground();
    for (int y = 314; y < 350; ++y) {
        for (int x = 0; x < 631; ++x) {
            if (!InEarth(x, y)) {
                ASSERT_EQ(field.pixel(x, y), qRgb(128, 128, 128)) << x << "," << y;
            }
        }
    }
    for (int x = 0; x < 631; x += 10) {
        if (!InEarth(x, 313)) {
            EXPECT_NE(field.pixel(x, 313), qRgb(128, 128, 128)) << "row 313 is still sky at " << x;
        }
    }
}

TEST(FieldBackground, EarthIsCentredOnTheCannonAndThirtyOnePixelsAcross) {
    const QImage& field = FieldBackground();
    EXPECT_TRUE(LooksEarthy(field.pixel(kFieldCannon)));
    int left = kFieldCannon.x();
    while (LooksEarthy(field.pixel(left - 1, 313))) {
        --left;
    }
    int right = kFieldCannon.x();
    while (LooksEarthy(field.pixel(right + 1, 313))) {
        ++right;
    }
    EXPECT_EQ(left, 300);
    EXPECT_EQ(right, 330);
    int top = kFieldCannon.y();
    while (LooksEarthy(field.pixel(kFieldCannon.x(), top - 1))) {
        --top;
    }
    int bottom = kFieldCannon.y();
    while (LooksEarthy(field.pixel(kFieldCannon.x(), bottom + 1))) {
        ++bottom;
    }
    EXPECT_EQ(top, 298);
    EXPECT_EQ(bottom, 328);
}

TEST(FieldBackground, HalfDiscIsLighterThanSpaceUpToRadius310) {
    const QImage& field = FieldBackground();
    int insideBlue = 0;
    int outsideDark = 0;
    for (int a = 0; a <= 180; ++a) {
        insideBlue += qBlue(field.pixel(OnCircle(305, a))) >= 70;
        const QRgb out = field.pixel(OnCircle(315, a));
        outsideDark += qBlue(out) <= 40;
    }
    // Stars may fall on a few of the sampled points.
    EXPECT_GE(insideBlue, 170);
    EXPECT_GE(outsideDark, 170);
}
