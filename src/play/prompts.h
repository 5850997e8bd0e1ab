#pragma once

#include <QString>

// The blinking prompt under the entry: what the player should do next.
inline const QString kPromptType = QStringLiteral("キーボードから角度を入れてください");
inline const QString kPromptReady = QStringLiteral("発射準備　ＯＫ !!");
