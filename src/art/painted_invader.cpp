#include "art/painted_invader.h"

#include <QPainter>
#include <string_view>

namespace {

// clang-format off
constexpr std::string_view kPoses[2][kPaintedInvaderRows] = {
    {
        "...#...#...",
        "#..#...#..#",
        "#.#######.#",
        "#.#.###.#.#",
        ".#########.",
        "..#######..",
        "..#.....#..",
        ".#.......#.",
    },
    {
        "...#...#...",
        "...#...#...",
        "..#######..",
        ".##.###.##.",
        "###########",
        "#.#######.#",
        "#.#.....#.#",
        "...##.##...",
    },
};
// clang-format on

}  // namespace

void PaintBigInvader(QPainter& painter, int pose, QPoint at, const QColor& colour) {
    for (int row = 0; row < kPaintedInvaderRows; ++row) {
        const std::string_view cells = kPoses[pose][row];
        for (int column = 0; column < kPaintedInvaderColumns; ++column) {
            if (cells[column] == '#') {
                painter.fillRect(at.x() + column * kPaintedInvaderCell,
                                 at.y() + row * kPaintedInvaderCell, kPaintedInvaderCell,
                                 kPaintedInvaderCell, colour);
            }
        }
    }
}
