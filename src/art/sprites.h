#pragma once

#include <QImage>
#include <QRgb>

#include "art/invader_art.h"

struct GameState;

inline constexpr int kInvaderColours = 4;
inline constexpr int kSpriteSize = 32;

// Red, yellow, green, cyan: from the band nearest the cannon to the farthest.
QRgb InvaderColour(int colour);

// One 32 x 32 ARGB32 invader picture; everything outside the figure is fully transparent.
QImage InvaderPicture(int colour, int frame);

// Fills the picture table with every colour and frame.
void FillInvaderPictures(GameState& state);
