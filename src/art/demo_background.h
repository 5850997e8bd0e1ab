#pragma once

#include <QImage>

#include "art/night_field.h"

inline constexpr int kDemoWidth = 449;
inline constexpr int kDemoHeight = 240;
// The cannon in pixels from the picture's top-left, and the reach of the demonstration's shots.
inline constexpr QPoint kDemoCannon{224, 223};
inline constexpr int kDemoRadius = 215;

// The Earth and the stars shrink with the disc, so it reads as the same field seen smaller.
inline constexpr NightFieldShape kDemoFieldShape{
    QSize(kDemoWidth, kDemoHeight), kDemoCannon, kDemoRadius, 23, 20, 130, 20240601};

// The title demonstration's field: the play field's night half-disc at the demonstration's size.
const QImage& DemoBackground();
