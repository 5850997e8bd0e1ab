#include "kit/game_timer.h"

GameTimer::GameTimer(Clock& clock, int intervalMs, bool enabled, QObject* parent)
    : QObject(parent), clock_(clock), interval_(intervalMs) {
    setEnabled(enabled);
}

GameTimer::~GameTimer() {
    clock_.release(*this);
}

void GameTimer::setEnabled(bool enabled) {
    if (enabled == enabled_) {
        return;  // enabling a running timer keeps its countdown
    }
    enabled_ = enabled;
    if (enabled_ && interval_ > 0) {
        clock_.start(*this);
    } else {
        clock_.stop(*this);
    }
}

void GameTimer::fire() {
    if (!enabled_ || interval_ <= 0) {
        return;
    }
    // Rearm first: a handler that disables the timer, or disables and enables it, overrides this.
    clock_.start(*this);
    if (handler_) {
        handler_();
    }
}
