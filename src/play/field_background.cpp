#include "play/field_background.h"

#include <string_view>

#include "state/pixel_art.h"
#include "state/star_field.h"

namespace {

constexpr QRgb kOuterSpace = qRgb(4, 4, 16);
constexpr int kStarSeed = 20240531;

// Land and polar ice; the ocean and the shading of the rim come from the disc itself.
// clang-format off
constexpr std::string_view kEarthMap[] = {
    "...............................",
    "...........wwwwwwwww...........",
    ".........wwwwwwwwwwwww.........",
    ".......wwww.......wwwww........",
    "......gg.............ggg.......",
    ".....ggggg..........ggggg......",
    "....gggggggg.......ggggggg.....",
    "...ggggggggg.......gggggggg....",
    "...gggggggggg.....ggggggggggg..",
    "..ggggggggggg.....gggggggggggg.",
    "..gggggggggg......ggggggggggggg",
    "..ggggggggg........gggggggggggg",
    ".....gggggg........gggggggg.gg.",
    "......gggg..........ggggggg....",
    ".......ggg..........gggggg.....",
    "........gg.........gggggggg....",
    ".........ggg.......ggggggggg...",
    "..........gggg.....gggggggg....",
    "..........gggggg....gggggg.....",
    "...........gggggg....ggggg.....",
    "...........ggggggg...gggg......",
    "............ggggg.....ggg.....g",
    "............gggg......gg....ggg",
    "............ggg............gggg",
    "............gg..............gg.",
    "............g..................",
    "...............................",
    ".........wwwwwwwwwwwww.........",
    ".........wwwwwwwwwwwww.........",
    "...........wwwwwwwww...........",
    "...............................",
};
// clang-format on

int DistanceSquared(int x, int y, QPoint centre) {
    const int dx = x - centre.x();
    const int dy = y - centre.y();
    return dx * dx + dy * dy;
}

bool InHalfDisc(int x, int y) {
    return y <= kFieldCannon.y() &&
           DistanceSquared(x, y, kFieldCannon) <= kFieldRadius * kFieldRadius;
}

// Stars keep clear of the Earth so its outline stays clean.
bool StarrySky(int x, int y) {
    return InHalfDisc(x, y) && DistanceSquared(x, y, kFieldCannon) > 24 * 24;
}

// Deep navy, a little lighter towards the rim, so the play area stands out from outer space.
QRgb HalfDiscColour(int x, int y) {
    const int shade = DistanceSquared(x, y, kFieldCannon) * 28 / (kFieldRadius * kFieldRadius);
    return qRgb(8 + shade / 2, 12 + shade / 2, 70 + shade);
}

void PaintSky(QImage& field) {
    for (int y = 0; y < kFieldHeight; ++y) {
        for (int x = 0; x < kFieldWidth; ++x) {
            QRgb rgb = kOuterSpace;
            if (y > kFieldCannon.y()) {
                rgb = kFieldGroundColour;
            } else if (InHalfDisc(x, y)) {
                rgb = HalfDiscColour(x, y);
            }
            field.setPixel(x, y, rgb);
        }
    }
    StarRandom random(kStarSeed);
    SprinkleStars(field, random, 60, 110,
                  [](int x, int y) { return y <= kFieldCannon.y() && !InHalfDisc(x, y); });
    SprinkleStars(field, random, 260, 220, StarrySky);
}

void PaintEarth(QImage& field) {
    const int half = kEarthDiameter / 2;
    const QPoint topLeft = kFieldCannon - QPoint(half, half);
    QImage earth = TransparentImage(kEarthDiameter, kEarthDiameter);
    DrawPixelArt(earth, QPoint(0, 0), kEarthMap,
                 {{'g', qRgb(60, 190, 70)}, {'w', qRgb(250, 250, 255)}});
    const QPoint centre(half, half);
    // Fractional radius: a round disc exactly kEarthDiameter pixels across.
    const double radius = kEarthDiameter / 2.0;
    for (int y = 0; y < kEarthDiameter; ++y) {
        for (int x = 0; x < kEarthDiameter; ++x) {
            const int d2 = DistanceSquared(x, y, centre);
            if (d2 > radius * radius) {
                continue;
            }
            const bool rim = d2 > (radius - 2) * (radius - 2);
            QRgb rgb = earth.pixel(x, y);
            if (qAlpha(rgb) == 0) {
                rgb = rim ? qRgb(20, 60, 170) : qRgb(40, 110, 230);
            } else if (rim) {
                rgb = qRgb(qRed(rgb) * 4 / 5, qGreen(rgb) * 4 / 5, qBlue(rgb) * 9 / 10);
            }
            field.setPixel(topLeft + QPoint(x, y), rgb);
        }
    }
}

QImage DrawFieldBackground() {
    QImage field(kFieldWidth, kFieldHeight, QImage::Format_RGB32);
    PaintSky(field);
    PaintEarth(field);
    return field;
}

}  // namespace

const QImage& FieldBackground() {
    static const QImage kBackground = DrawFieldBackground();
    return kBackground;
}
