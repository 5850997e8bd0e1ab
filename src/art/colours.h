#pragma once

#include <QColor>

// The game's named colours, shared by every screen.
inline const QColor kBlack(0, 0, 0);
inline const QColor kWhite(255, 255, 255);
inline const QColor kRed(255, 0, 0);
inline const QColor kDarkRed(192, 0, 0);
inline const QColor kGreen(0, 255, 0);
inline const QColor kDarkGreen(0, 128, 0);
inline const QColor kBlue(0, 0, 255);
inline const QColor kNavy(0, 0, 128);
inline const QColor kYellow(255, 255, 0);
inline const QColor kCyan(0, 255, 255);
inline const QColor kMagenta(255, 0, 255);
inline const QColor kLightGrey(192, 192, 192);
inline const QColor kMidGrey(128, 128, 128);
inline const QColor kEntryGrey(80, 80, 80);
inline const QColor kDarkGrey(64, 64, 64);
inline const QColor kPink(255, 128, 255);
inline const QColor kOrange(255, 160, 0);
inline const QColor kPurple(192, 0, 192);
inline const QColor kPromptPurple(128, 0, 128);
inline const QColor kBlinkPurple(127, 0, 127);
inline const QColor kBlinkBlue(0, 0, 127);
