#pragma once

#include <QPoint>
#include <span>
#include <string_view>

// The invader's pictures as text: '#' takes the invader's colour, 'o' is black (the eyes).
struct InvaderFigure {
    QPoint origin;  // top-left of the figure inside the 32 x 32 sprite
    std::span<const std::string_view> rows;
};

inline constexpr int kInvaderFrames = 3;
inline constexpr int kWalkArmsDownFrame = 0;
inline constexpr int kWalkArmsUpFrame = 1;
inline constexpr int kBurstFrame = 2;

// Frame 0 walks with arms lowered and feet turned in, frame 1 with arms raised, frame 2 is the
// burst that replaces a hit invader.
const InvaderFigure& InvaderFigureFor(int frame);
