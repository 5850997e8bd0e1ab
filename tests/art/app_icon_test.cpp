#include <gtest/gtest.h>

#include "art/app_icon.h"
#include "art/sprites.h"

// Every size of the desktop icon shows the invader whole, in the middle and with sharp pixels:
// nothing but the clear ground, the invader's colour and its black eyes.
TEST(AppIcon, EverySizeShowsTheWholeInvaderCentredWithSharpPixels) {
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QImage icon = AppIcon(size);
        ASSERT_EQ(icon.size(), QSize(size, size));
        QRect figure;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const QRgb pixel = icon.pixel(x, y);
                if (qAlpha(pixel) == 0) {
                    continue;
                }
                ASSERT_TRUE(pixel == InvaderColour(2) || pixel == qRgb(0, 0, 0))
                    << size << " at " << x << "," << y << ": " << std::hex << pixel;
                figure |= QRect(x, y, 1, 1);
            }
        }
        EXPECT_GE(figure.left(), 1) << size;
        EXPECT_GE(figure.top(), 1) << size;
        EXPECT_LE(std::abs(figure.left() - (size - 1 - figure.right())), 1) << size;
        EXPECT_LE(std::abs(figure.top() - (size - 1 - figure.bottom())), 1) << size;
        EXPECT_GE(figure.width(), size * 2 / 3) << size;
    }
}
