#include "art/pixel_art.h"

#include <stdexcept>
#include <string>

namespace {

QRgb InkFor(char key, std::initializer_list<PixelInk> inks) {
    for (const PixelInk& ink : inks) {
        if (ink.key == key) {
            return ink.rgb;
        }
    }
    throw std::logic_error(std::string("pixel art uses a character without ink: ") + key);
}

}  // namespace

void DrawPixelArt(QImage& image, QPoint at, std::span<const std::string_view> rows,
                  std::initializer_list<PixelInk> inks) {
    for (int y = 0; y < static_cast<int>(rows.size()); ++y) {
        const std::string_view row = rows[y];
        for (int x = 0; x < static_cast<int>(row.size()); ++x) {
            if (row[x] == '.') {
                continue;
            }
            const QPoint p = at + QPoint(x, y);
            if (!image.valid(p)) {
                throw std::logic_error("pixel art reaches outside its image");
            }
            image.setPixel(p, InkFor(row[x], inks));
        }
    }
}

QImage TransparentImage(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}
