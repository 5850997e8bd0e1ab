#include "art/ramp_background.h"

#include <cstdint>

QImage RedRampBackground(QSize size, int green, int blue) {
    QImage image(size, QImage::Format_RGB32);
    const std::int64_t height = size.height();
    for (int y = 0; y < size.height(); ++y) {
        // 64 bits: the product stays exact on any screen height.
        const int red = static_cast<int>(std::int64_t{y} * 255 / height);
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(row, row + size.width(), qRgb(red, green, blue));
    }
    return image;
}
