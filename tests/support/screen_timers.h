#pragma once

#include <QObject>
#include <algorithm>

#include "kit/game_timer.h"

// Whether any of the screen's own timers is enabled.
inline bool AnyTimerRunning(const QObject& screen) {
    const auto timers = screen.findChildren<GameTimer*>(Qt::FindDirectChildrenOnly);
    return std::any_of(timers.begin(), timers.end(),
                       [](const GameTimer* t) { return t->enabled(); });
}
