#include "art/name_entry_icons.h"

#include <string_view>

#include "art/pixel_art.h"

namespace {

// clang-format off
constexpr std::string_view kChampion[] = {
    ".......y...y...y.......",
    ".......yy.yyy.yy.......",
    ".......yyyyyyyyy.......",
    ".......yyryyyryy.......",
    ".......yyyyyyyyy.......",
    "......###########......",
    "....###############....",
    "...####oo#####oo####...",
    "...####oo#####oo####...",
    "..###################..",
    ".#####.#########.#####.",
    "##..##.#########.##..##",
    "##..##...........##..##",
    ".....###.......###.....",
    "....####.......####....",
};

constexpr std::string_view kStarBearer[] = {
    "..........y..........",
    ".........yyy.........",
    "....yyyyyyyyyyyyy....",
    "......yyyyyyyyy......",
    ".......yyyyyyy.......",
    "......yyyy.yyyy......",
    "......yy.....yy......",
    "....#...........#....",
    "....#...........#....",
    "....##...###...##....",
    ".....##.#####.##.....",
    "......#########......",
    ".....##oo###oo##.....",
    ".....##oo###oo##.....",
    ".....###########.....",
    "......##.....##......",
    ".....##.......##.....",
};
// clang-format on

constexpr QRgb kGold = qRgb(255, 200, 0);

}  // namespace

QImage ChampionInvaderIcon() {
    QImage icon = TransparentImage(kNameEntryIconSize, kNameEntryIconSize);
    DrawPixelArt(
        icon, QPoint(4, 8), kChampion,
        {{'#', qRgb(200, 0, 200)}, {'o', qRgb(0, 0, 0)}, {'y', kGold}, {'r', qRgb(255, 0, 0)}});
    return icon;
}

QImage StarInvaderIcon() {
    QImage icon = TransparentImage(kNameEntryIconSize, kNameEntryIconSize);
    DrawPixelArt(icon, QPoint(5, 7), kStarBearer,
                 {{'#', qRgb(0, 170, 255)}, {'o', qRgb(0, 0, 0)}, {'y', kGold}});
    return icon;
}
