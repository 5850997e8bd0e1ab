#pragma once

#include <QImage>

inline constexpr int kSmallIconWidth = 22;
inline constexpr int kSmallIconHeight = 16;
inline constexpr int kDialogIconSize = 32;
inline constexpr int kBannerWidth = 270;
inline constexpr int kBannerHeight = 32;

// A 22 x 16 invader in one of the invader colours (0..3) on a transparent ground, for the
// "invaders left" box and the points table.
QImage SmallInvaderIcon(int colour);

// A 32 x 32 happy invader on a small night-sky tile, for the help and version dialogs.
QImage DialogInvaderIcon();

// The 270 x 32 "Tezra" banner of the version dialog, opaque.
QImage TitleBanner();
