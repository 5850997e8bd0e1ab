#pragma once

#include <QImage>
#include <QPoint>

inline constexpr int kDemoWidth = 449;
inline constexpr int kDemoHeight = 240;
// The cannon in pixels from the picture's top-left, and the reach of the demonstration's shots.
inline constexpr QPoint kDemoCannon{224, 223};
inline constexpr int kDemoRadius = 215;

// The title demonstration's field: the play field's night half-disc at the demonstration's size.
const QImage& DemoBackground();
