#include "kit/real_clock.h"

#include <QTimer>

#include "kit/game_timer.h"

void RealClock::start(GameTimer& timer) {
    QTimer*& qt = timers_[&timer];
    if (!qt) {
        qt = new QTimer(this);
        qt->setSingleShot(true);
        qt->setTimerType(Qt::PreciseTimer);
        connect(qt, &QTimer::timeout, this, [&timer] { timer.fire(); });
    }
    qt->start(timer.interval());
}

void RealClock::stop(GameTimer& timer) {
    if (QTimer* qt = timers_.value(&timer)) {
        qt->stop();
    }
}

void RealClock::release(GameTimer& timer) {
    if (QTimer* qt = timers_.take(&timer)) {
        qt->stop();
        qt->deleteLater();
    }
}
