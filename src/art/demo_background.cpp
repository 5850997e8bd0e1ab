#include "art/demo_background.h"

#include "art/night_field.h"

const QImage& DemoBackground() {
    // The Earth and the stars shrink with the disc, so it reads as the same field seen smaller.
    static const QImage kBackground = DrawNightField(
        {QSize(kDemoWidth, kDemoHeight), kDemoCannon, kDemoRadius, 23, 20, 130, 20240601});
    return kBackground;
}
