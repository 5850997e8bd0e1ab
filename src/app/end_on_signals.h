#pragma once

#include <QObject>
#include <functional>
#include <memory>

class QSocketNotifier;

// SIGTERM, SIGINT and SIGHUP (a logout, a shutdown, Ctrl+C) run `end` from the event loop
// instead of killing the program on the spot. The handler only writes a byte to a socket, the
// one thing safe to do there; the loop reads it and runs `end`. One at a time; the signals'
// former handling comes back when it goes.
class EndOnSignals : public QObject {
    Q_OBJECT
  public:
    explicit EndOnSignals(std::function<void()> end);
    ~EndOnSignals() override;

  private:
    void signalArrived();

    std::function<void()> end_;
    std::unique_ptr<QSocketNotifier> notifier_;
};
