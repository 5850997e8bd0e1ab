#pragma once

#include <QHash>
#include <QObject>

#include "kit/clock.h"

class QTimer;

// Wall-clock time: one precise single-shot Qt timer per running countdown.
class RealClock : public QObject, public Clock {
    Q_OBJECT
  public:
    void start(GameTimer& timer) override;
    void stop(GameTimer& timer) override;
    void release(GameTimer& timer) override;

  private:
    QHash<GameTimer*, QTimer*> timers_;
};
