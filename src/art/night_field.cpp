#include "art/night_field.h"

#include <QPainter>
#include <algorithm>
#include <string_view>

#include "art/pixel_art.h"
#include "art/star_field.h"

namespace {

constexpr QRgb kOuterSpace = qRgb(4, 4, 16);
// The Earth is drawn at this size and scaled to the field's.
constexpr int kEarthArtSize = 31;

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

class Painter {
  public:
    explicit Painter(const NightFieldShape& shape) : s_(shape) {}

    QImage paint() const {
        QImage field(s_.size, QImage::Format_RGB32);
        paintSky(field);
        paintEarth(field);
        return field;
    }

  private:
    bool inHalfDisc(int x, int y) const {
        return y <= s_.cannon.y() && DistanceSquared(x, y, s_.cannon) <= s_.radius * s_.radius;
    }

    // Deep navy, a little lighter towards the rim, so the play area stands out from outer space.
    QRgb halfDiscColour(int distanceSquared) const {
        const int shade = distanceSquared * 28 / (s_.radius * s_.radius);
        return qRgb(8 + shade / 2, 12 + shade / 2, 70 + shade);
    }

    void paintSky(QImage& field) const {
        // Row by row into the image's memory: setPixel for every pixel took a fifth of the
        // start-up.
        const int width = field.width();
        const int radiusSquared = s_.radius * s_.radius;
        for (int y = 0; y < field.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(field.scanLine(y));
            if (y > s_.cannon.y()) {
                std::fill_n(row, width, kNightFieldGround);
                continue;
            }
            for (int x = 0; x < width; ++x) {
                const int d2 = DistanceSquared(x, y, s_.cannon);
                row[x] = d2 <= radiusSquared ? halfDiscColour(d2) : kOuterSpace;
            }
        }
        StarRandom random(s_.starSeed);
        SprinkleStars(field, random, s_.spaceStars, 110,
                      [this](int x, int y) { return y <= s_.cannon.y() && !inHalfDisc(x, y); });
        // Stars keep clear of the Earth so its outline stays clean.
        const int clear = s_.earthDiameter * 3 / 4 + 1;
        SprinkleStars(field, random, s_.discStars, 220, [this, clear](int x, int y) {
            return inHalfDisc(x, y) && DistanceSquared(x, y, s_.cannon) > clear * clear;
        });
    }

    void paintEarth(QImage& field) const {
        QImage earth = EarthArt().scaled(s_.earthDiameter, s_.earthDiameter, Qt::IgnoreAspectRatio,
                                         Qt::SmoothTransformation);
        QPainter p(&field);
        const int half = s_.earthDiameter / 2;
        p.drawImage(s_.cannon - QPoint(half, half), earth);
    }

    // The Earth as a round disc exactly kEarthArtSize pixels across on a transparent ground.
    static QImage EarthArt() {
        QImage map = TransparentImage(kEarthArtSize, kEarthArtSize);
        DrawPixelArt(map, QPoint(0, 0), kEarthMap,
                     {{'g', qRgb(60, 190, 70)}, {'w', qRgb(250, 250, 255)}});
        QImage earth = TransparentImage(kEarthArtSize, kEarthArtSize);
        const int half = kEarthArtSize / 2;
        const QPoint centre(half, half);
        const double radius = kEarthArtSize / 2.0;
        for (int y = 0; y < kEarthArtSize; ++y) {
            for (int x = 0; x < kEarthArtSize; ++x) {
                const int d2 = DistanceSquared(x, y, centre);
                if (d2 > radius * radius) {
                    continue;
                }
                const bool rim = d2 > (radius - 2) * (radius - 2);
                QRgb rgb = map.pixel(x, y);
                if (qAlpha(rgb) == 0) {
                    rgb = rim ? qRgb(20, 60, 170) : qRgb(40, 110, 230);
                } else if (rim) {
                    rgb = qRgb(qRed(rgb) * 4 / 5, qGreen(rgb) * 4 / 5, qBlue(rgb) * 9 / 10);
                }
                earth.setPixel(x, y, rgb);
            }
        }
        return earth;
    }

    const NightFieldShape& s_;
};

}  // namespace

QImage DrawNightField(const NightFieldShape& shape) {
    return Painter(shape).paint();
}
