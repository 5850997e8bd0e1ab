#pragma once

#include <QColor>
#include <QString>

inline const QColor kBlack(0, 0, 0);
inline const QColor kWhite(255, 255, 255);
inline const QColor kRed(255, 0, 0);
inline const QColor kYellow(255, 255, 0);
inline const QColor kCyan(0, 255, 255);
inline const QColor kMagenta(255, 0, 255);
inline const QColor kLightGrey(192, 192, 192);
inline const QColor kDarkGrey(64, 64, 64);
inline const QColor kPink(255, 128, 255);
inline const QColor kPurple(192, 0, 192);
inline const QColor kDarkGreen(0, 128, 0);
inline const QColor kEntryGrey(80, 80, 80);
inline const QColor kPromptPurple(128, 0, 128);
inline const QColor kBlinkPurple(127, 0, 127);
inline const QColor kBlinkBlue(0, 0, 127);

inline const QString kPromptType = QStringLiteral("キーボードから角度を入れてください");
inline const QString kPromptReady = QStringLiteral("発射準備　ＯＫ !!");
