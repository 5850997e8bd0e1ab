#include "art/demo_background.h"

#include <cstdint>
#include <iterator>

namespace {
// Drawn at build time by tools/fieldgen with DrawNightField(kDemoFieldShape): the title is the
// first thing shown, and drawing its field was most of its own work before its first paint.
constexpr std::uint32_t kPixels[] = {
#include "demo_background_pixels.inc"
};
static_assert(std::size(kPixels) == std::size_t{kDemoWidth} * kDemoHeight);
}  // namespace

const QImage& DemoBackground() {
    static const QImage kBackground(reinterpret_cast<const uchar*>(kPixels), kDemoWidth,
                                    kDemoHeight, kDemoWidth * sizeof(std::uint32_t),
                                    QImage::Format_RGB32);
    return kBackground;
}
