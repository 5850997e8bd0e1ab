#include "art/icons.h"

#include <QPainter>
#include <string_view>

#include "art/pixel_art.h"
#include "art/sprites.h"
#include "art/star_field.h"

namespace {

// clang-format off
constexpr std::string_view kSmallInvader[] = {
    "..##...........##..",
    "..##...........##..",
    "....#.........#....",
    ".....#########.....",
    "...#############...",
    "..####oo###oo####..",
    "..####oo###oo####..",
    ".#################.",
    "##.#.#########.#.##",
    "##.##.........##.##",
    "##.#############.##",
    "#...###########...#",
    "....###.....###....",
    "....#####.#####....",
};
// clang-format on

}  // namespace

QImage SmallInvaderIcon(int colour) {
    QImage icon = TransparentImage(kSmallIconWidth, kSmallIconHeight);
    DrawPixelArt(icon, QPoint(1, 1), kSmallInvader,
                 {{'#', InvaderColour(colour)}, {'o', qRgb(0, 0, 0)}});
    return icon;
}

QImage DialogInvaderIcon() {
    QImage icon = TransparentImage(kDialogIconSize, kDialogIconSize);
    {
        QPainter painter(&icon);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(90, 110, 220), 1));
        painter.setBrush(QColor(10, 14, 80));
        painter.drawRoundedRect(QRectF(0.5, 0.5, kDialogIconSize - 1, kDialogIconSize - 1), 6, 6);
    }
    StarRandom random(7);
    SprinkleStars(icon, random, 10, 230, [&icon](int x, int y) {
        return x > 2 && y > 2 && x < kDialogIconSize - 3 && y < kDialogIconSize - 3 &&
               qAlpha(icon.pixel(x, y)) == 255;
    });
    const InvaderFigure& figure = InvaderFigureFor(kWalkArmsUpFrame);
    DrawPixelArt(icon, figure.origin + QPoint(0, 1), figure.rows,
                 {{'#', InvaderColour(2)}, {'o', qRgb(0, 0, 0)}});
    return icon;
}
