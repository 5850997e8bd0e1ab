#pragma once

#include <QImage>

inline constexpr int kNameEntryIconSize = 32;

// The two 32 x 32 invaders that cheer on the name entry, on a transparent ground: a crowned
// champion and one holding up a star.
QImage ChampionInvaderIcon();
QImage StarInvaderIcon();
