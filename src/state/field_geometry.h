#pragma once

#include <QPoint>

// The play field's drawing area in pixels, inside its border.
inline constexpr int kFieldWidth = 631;
inline constexpr int kFieldHeight = 350;
// The cannon, and the Earth's centre, in pixels from the field's top-left; field units count
// from here, y upwards.
inline constexpr QPoint kFieldCannon{315, 313};
// How far the half-disc reaches: the rim the invaders start from and a shot flies to.
inline constexpr int kFieldRadius = 310;
inline constexpr int kEarthDiameter = 31;
