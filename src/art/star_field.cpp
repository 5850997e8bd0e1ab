#include "art/star_field.h"

#include <QColor>

int StarRandom::Below(int bound) {
    if (bound <= 0) {
        return 0;
    }
    // xorshift32: plenty for scattering dots, and identical on every platform.
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<int>(state_ % static_cast<std::uint32_t>(bound));
}

namespace {

void Plot(QImage& image, int x, int y, QRgb rgb, const std::function<bool(int x, int y)>& allowed) {
    if (image.valid(x, y) && allowed(x, y)) {
        image.setPixel(x, y, rgb);
    }
}

// A faint blue or yellow tint keeps the sky from looking like grey noise.
QRgb StarColour(int grey, int tint) {
    switch (tint) {
        case 0:
            return qRgb(grey * 3 / 4, grey * 3 / 4, grey);
        case 1:
            return qRgb(grey, grey, grey * 3 / 4);
        default:
            return qRgb(grey, grey, grey);
    }
}

}  // namespace

void SprinkleStars(QImage& image, StarRandom& random, int count, int brightness,
                   const std::function<bool(int x, int y)>& allowed) {
    for (int i = 0; i < count; ++i) {
        const int x = random.Below(image.width());
        const int y = random.Below(image.height());
        const int kind = random.Below(20);
        const int tint = random.Below(3);
        if (kind == 0) {
            const QRgb glow = StarColour(brightness / 2, tint);
            Plot(image, x - 1, y, glow, allowed);
            Plot(image, x + 1, y, glow, allowed);
            Plot(image, x, y - 1, glow, allowed);
            Plot(image, x, y + 1, glow, allowed);
            Plot(image, x, y, StarColour(brightness, tint), allowed);
        } else {
            const int grey = kind < 5 ? brightness : brightness / 3 + random.Below(brightness / 3);
            Plot(image, x, y, StarColour(grey, tint), allowed);
        }
    }
}
