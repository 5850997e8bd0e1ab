// Time from starting the game's process to its title screen being painted, beside a bare Qt window
// program started the same way, taking turns over repeated runs.
//   tezra_startup_bench [runs [game]]  (QT_QPA_PLATFORM picks the display; offscreen by default;
//                                       `game` is another build's program, to compare)
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "game_copy.h"

namespace {
// Milliseconds until the program says "shown", or a negative number when it never does.
double timeToShown(const QString& program, const QProcessEnvironment& env,
                   const QStringList& args = {}) {
    QProcess process;
    process.setProcessEnvironment(env);
    QElapsedTimer timer;
    timer.start();
    process.start(program, args);
    bool shown = false;
    while (!shown && process.waitForReadyRead(10000)) {
        shown = process.readAll().contains("shown");
    }
    const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    process.waitForFinished(10000);
    return shown ? ms : -1;
}

double median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 15;
    QProcessEnvironment env = BenchEnvironment();
    env.insert("TEZRA_REPORT_SHOWN", "1");
    QTemporaryDir dir;
    const QString game = CopyOfGame(argc > 2 ? argv[2] : TEZRA_EXECUTABLE, dir);
    std::vector<double> gameTimes;
    std::vector<double> bareTimes;
    std::vector<double> textTimes;
    for (int i = 0; i < runs; ++i) {
        gameTimes.push_back(timeToShown(game, env));
        bareTimes.push_back(timeToShown(BARE_EXECUTABLE, env));
        textTimes.push_back(timeToShown(BARE_EXECUTABLE, env, {"--text"}));
        if (gameTimes.back() < 0 || bareTimes.back() < 0 || textTimes.back() < 0) {
            std::fprintf(stderr, "run %d: a program never reported its window shown\n", i + 1);
            return 1;
        }
    }
    const double g = median(gameTimes);
    const double b = median(bareTimes);
    const double t = median(textTimes);
    std::printf(
        "start to first screen painted, median of %d runs: game %.1f ms; bare Qt window %.1f ms "
        "(ratio %.2f); the same window with one line of text %.1f ms (ratio %.2f)\n",
        runs, g, b, g / b, t, g / t);
    return 0;
}
