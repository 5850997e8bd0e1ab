#include <QPainter>
#include <array>
#include <string_view>

#include "art/icons.h"
#include "art/sprites.h"
#include "art/star_field.h"

namespace {

constexpr int kLetters = 5;
constexpr int kGlyphWidth = 6;
constexpr int kGlyphHeight = 8;
constexpr int kBlock = 3;  // banner pixels per glyph pixel
constexpr int kLetterGap = 5;

// Our own chunky letters, one glyph per column group: a tall capital, then round lower-case
// letters on the same baseline.
// clang-format off
constexpr std::string_view kWordArt[kGlyphHeight] = {
    "###### ...... ...... ...... ......",
    "###### ...... ...... ...... ......",
    "..##.. .####. ###### ##.### .####.",
    "..##.. ##..## ...##. ####.. ....##",
    "..##.. ###### ..##.. ###... .#####",
    "..##.. ##.... .##... ##.... ##..##",
    "..##.. ##...# ##.... ##.... ##..##",
    "..##.. .####. ###### ##.... .#####",
};
// clang-format on

const std::array<QColor, kLetters> kLetterColours = {QColor(255, 60, 60), QColor(255, 200, 0),
                                                     QColor(40, 230, 40), QColor(0, 210, 255),
                                                     QColor(255, 90, 220)};
// Every other letter sits a little higher, so the word bounces.
constexpr std::array<int, kLetters> kLetterLift = {0, 2, 0, 2, 0};

void PaintBackground(QImage& banner) {
    QPainter painter(&banner);
    QLinearGradient sky(0, 0, 0, kBannerHeight);
    sky.setColorAt(0, QColor(6, 8, 40));
    sky.setColorAt(1, QColor(36, 16, 110));
    painter.fillRect(banner.rect(), sky);
    painter.end();
    StarRandom random(3);
    SprinkleStars(banner, random, 70, 240, [](int, int) { return true; });
}

// Each glyph pixel is a block: a dark drop shadow, a white rim, then the letter's colour
// brightening towards the top, like a sticker.
void PaintLetter(QPainter& painter, int letter, QPoint at) {
    for (int pass = 0; pass < 3; ++pass) {
        for (int gy = 0; gy < kGlyphHeight; ++gy) {
            for (int gx = 0; gx < kGlyphWidth; ++gx) {
                if (kWordArt[gy][letter * (kGlyphWidth + 1) + gx] != '#') {
                    continue;
                }
                const QRect block(at.x() + gx * kBlock, at.y() + gy * kBlock, kBlock, kBlock);
                if (pass == 0) {
                    painter.fillRect(block.translated(2, 2), QColor(10, 0, 30));
                } else if (pass == 1) {
                    painter.fillRect(block.adjusted(-1, -1, 1, 1), Qt::white);
                } else {
                    painter.fillRect(block,
                                     kLetterColours[letter].lighter(100 + (kGlyphHeight - gy) * 4));
                }
            }
        }
    }
}

}  // namespace

QImage TitleBanner() {
    QImage banner(kBannerWidth, kBannerHeight, QImage::Format_ARGB32);
    PaintBackground(banner);
    QPainter painter(&banner);
    const int letterStep = kGlyphWidth * kBlock + kLetterGap;
    const int wordWidth = kLetters * letterStep - kLetterGap;
    for (int letter = 0; letter < kLetters; ++letter) {
        const int x = (kBannerWidth - wordWidth) / 2 + letter * letterStep;
        PaintLetter(painter, letter, QPoint(x, 4 - kLetterLift[letter]));
    }
    // Two invaders on each side wave at the word.
    painter.drawImage(QPoint(2, 0), InvaderPicture(0, kWalkArmsDownFrame));
    painter.drawImage(QPoint(36, -2), InvaderPicture(1, kWalkArmsUpFrame));
    painter.drawImage(QPoint(kBannerWidth - 36 - kSpriteSize, -2),
                      InvaderPicture(2, kWalkArmsUpFrame));
    painter.drawImage(QPoint(kBannerWidth - 2 - kSpriteSize, 0),
                      InvaderPicture(3, kWalkArmsDownFrame));
    return banner;
}
