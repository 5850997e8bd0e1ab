#pragma once

#include <QObject>
#include <functional>

#include "kit/clock.h"

// An interval timer with one handler. Enabling a disabled timer starts a fresh countdown; enabling
// an enabled one changes nothing. While enabled it fires every interval, also when its handler
// disables it and enables it again. A new interval applies from the next countdown. An interval of
// 0 never fires. Like any Qt timer, it may be a child of the object it works for.
class GameTimer : public QObject {
    Q_OBJECT
  public:
    GameTimer(Clock& clock, int intervalMs, bool enabled = false, QObject* parent = nullptr);
    ~GameTimer() override;
    GameTimer(const GameTimer&) = delete;
    GameTimer& operator=(const GameTimer&) = delete;

    void onTimer(std::function<void()> handler) { handler_ = std::move(handler); }

    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    int interval() const { return interval_; }
    void setInterval(int intervalMs) { interval_ = intervalMs; }

    // Called by the clock when a countdown runs out.
    void fire();

  private:
    Clock& clock_;
    int interval_;
    bool enabled_ = false;
    std::function<void()> handler_;
};
