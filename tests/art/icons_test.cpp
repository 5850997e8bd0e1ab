#include <gtest/gtest.h>

#include "art/icons.h"
#include "art/pixel_art.h"
#include "art/sprites.h"

namespace {

int CountPixels(const QImage& image, QRgb rgb) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            n += image.pixel(x, y) == rgb;
        }
    }
    return n;
}

bool FullyOpaque(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 255) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

TEST(Icons, SmallInvaderWearsTheInvaderColourOnAClearGround) {
    for (int colour = 0; colour < 4; ++colour) {
        const QImage icon = SmallInvaderIcon(colour);
        EXPECT_EQ(icon.size(), QSize(22, 16));
        EXPECT_GT(CountPixels(icon, InvaderColour(colour)), 100) << colour;
        EXPECT_EQ(CountPixels(icon, qRgb(0, 0, 0)), 8) << colour;
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(icon.pixel(21, 15)), 0);
    }
}

TEST(Icons, DialogIconAndBannerHaveTheirSizesAndComeOutTheSameEveryTime) {
    const QImage icon = DialogInvaderIcon();
    EXPECT_EQ(icon.size(), QSize(32, 32));
    EXPECT_GT(CountPixels(icon, InvaderColour(2)), 150);
    EXPECT_EQ(icon, DialogInvaderIcon());

    const QImage banner = TitleBanner();
    EXPECT_EQ(banner.size(), QSize(270, 32));
    EXPECT_TRUE(FullyOpaque(banner));
    EXPECT_EQ(banner, TitleBanner());
}

TEST(PixelArt, ComplainsAboutMistakesInTheArt) {
    QImage image = TransparentImage(4, 4);
    const std::string_view unknownInk[] = {"#x"};
    EXPECT_THROW(DrawPixelArt(image, QPoint(0, 0), unknownInk, {{'#', qRgb(1, 2, 3)}}),
                 std::logic_error);
    const std::string_view tooWide[] = {"#####"};
    EXPECT_THROW(DrawPixelArt(image, QPoint(0, 0), tooWide, {{'#', qRgb(1, 2, 3)}}),
                 std::logic_error);
    const std::string_view fits[] = {".#", "#."};
    DrawPixelArt(image, QPoint(2, 2), fits, {{'#', qRgb(1, 2, 3)}});
    EXPECT_EQ(image.pixel(3, 2), qRgb(1, 2, 3));
    EXPECT_EQ(image.pixel(2, 2), 0u);
}
