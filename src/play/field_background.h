#pragma once

#include <QImage>
#include <QPoint>

inline constexpr int kFieldWidth = 631;
inline constexpr int kFieldHeight = 350;
// The cannon, and the Earth's centre, in pixels from the field's top-left.
inline constexpr QPoint kFieldCannon{315, 313};
inline constexpr int kFieldRadius = 310;
inline constexpr int kEarthDiameter = 31;

// The play field's picture: a starry half-disc standing on the cannon's line, the Earth on the
// cannon, a grey band below. Opaque 24-bit colour; drawn once, then shared.
const QImage& FieldBackground();
