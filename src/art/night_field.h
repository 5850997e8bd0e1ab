#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>
#include <cstdint>

// The shape of a night field: where the cannon stands, how far the half-disc reaches, how large
// the Earth is drawn and how many stars fall outside and inside the disc.
struct NightFieldShape {
    QSize size;
    QPoint cannon;  // the Earth's centre; the last row of sky
    int radius;
    int earthDiameter;
    int spaceStars;
    int discStars;
    std::uint32_t starSeed;
};

inline constexpr QRgb kNightFieldGround = 0xff808080;

// A starry half-disc standing on the cannon's line, the Earth on the cannon, a grey band below
// and outer space around. Opaque 24-bit colour, the same on every run.
QImage DrawNightField(const NightFieldShape& shape);
