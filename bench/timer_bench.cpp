// Tick accuracy of a game timer on the real clock, driven the way the game's handlers drive
// their timers (disable, one step, enable again), beside a plain repeating precise QTimer. Each
// runs alone in turn so neither wakes the event loop for the other. The error of tick n is its
// fire time minus start + n * interval, so drift shows as a growing error; stalls counts gaps of
// more than two intervals, where the process was not run in time and the timer counted on from
// then instead of firing a burst of catch-up ticks.
//   tezra_timer_bench [seconds per interval]      (3 by default; slow intervals run 10 ticks)
#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "kit/game_timer.h"
#include "kit/real_clock.h"

namespace {
using Clock = std::chrono::steady_clock;

// Fire times of one timer, in ms after its start.
struct Ticks {
    Clock::time_point start = Clock::now();
    std::vector<double> at;
    void record() {
        at.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
};

void runFor(double seconds) {
    QTimer::singleShot(static_cast<int>(seconds * 1000), Qt::PreciseTimer,
                       [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}

Ticks runGameTimer(RealClock& clock, int intervalMs, double seconds) {
    Ticks ticks;
    GameTimer timer(clock, intervalMs);
    timer.onTimer([&] {
        timer.setEnabled(false);
        ticks.record();
        timer.setEnabled(true);
    });
    ticks.start = Clock::now();
    timer.setEnabled(true);
    runFor(seconds);
    return ticks;
}

Ticks runQTimer(int intervalMs, double seconds) {
    Ticks ticks;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, [&] { ticks.record(); });
    ticks.start = Clock::now();
    timer.start(intervalMs);
    runFor(seconds);
    return ticks;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The growth of the error from the first third of the run to the last, by medians, so one late
// tick does not pass for drift.
double drift(const std::vector<double>& errors) {
    const auto third = static_cast<std::ptrdiff_t>(std::max<std::size_t>(1, errors.size() / 3));
    return median({errors.end() - third, errors.end()}) -
           median({errors.begin(), errors.begin() + third});
}

void report(const char* name, const Ticks& ticks, int intervalMs, double seconds) {
    std::vector<double> errors;
    int stalls = 0;
    for (std::size_t n = 0; n < ticks.at.size(); ++n) {
        errors.push_back(ticks.at[n] - static_cast<double>((n + 1) * intervalMs));
        const double previous = n == 0 ? 0.0 : ticks.at[n - 1];
        stalls += ticks.at[n] - previous > 2.0 * intervalMs ? 1 : 0;
    }
    if (errors.empty()) {
        std::printf("%8d %-10s no ticks\n", intervalMs, name);
        return;
    }
    const double grown = drift(errors);
    std::sort(errors.begin(), errors.end());
    std::printf("%8d %-10s %6zu %10.3f %10.3f %10.3f %7d %8.0f\n", intervalMs, name, errors.size(),
                errors[errors.size() / 2],
                errors[std::min(errors.size() - 1, errors.size() * 99 / 100)], grown, stalls,
                static_cast<double>(errors.size()) / seconds);
}
}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const double minSeconds = argc > 1 ? std::max(0.5, std::atof(argv[1])) : 3.0;
    std::printf("%8s %-10s %6s %10s %10s %10s %7s %8s\n", "interval", "timer", "ticks", "median ms",
                "p99 ms", "drift ms", "stalls", "ticks/s");
    RealClock clock;
    for (const int interval : {1, 10, 55, 100, 400, 1160}) {
        const double seconds = std::max(minSeconds, 10.0 * interval / 1000.0) + interval / 2000.0;
        report("GameTimer", runGameTimer(clock, interval, seconds), interval, seconds);
        report("QTimer", runQTimer(interval, seconds), interval, seconds);
    }
    return 0;
}
