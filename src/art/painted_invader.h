#pragma once

#include <QColor>
#include <QPoint>

class QPainter;

// The big invader the all-clear ending paints: 11 x 8 cells of 4 x 4 pixels, 44 x 32 in all.
inline constexpr int kPaintedInvaderCell = 4;
inline constexpr int kPaintedInvaderColumns = 11;
inline constexpr int kPaintedInvaderRows = 8;

// Pose 0 has its arms raised beside the head, pose 1 lowered with its feet together. Each filled
// cell is one filled rectangle in `colour`, the top-left corner of the figure at `at`.
void PaintBigInvader(QPainter& painter, int pose, QPoint at, const QColor& colour);
