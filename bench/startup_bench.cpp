// Time from starting the game's process to its title screen being painted, over repeated runs.
//   tezra_startup_bench [runs]      (QT_QPA_PLATFORM picks the display; offscreen by default)
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 15;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!env.contains("QT_QPA_PLATFORM")) {
        env.insert("QT_QPA_PLATFORM", "offscreen");
    }
    env.insert("TEZRA_REPORT_SHOWN", "1");
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QProcess game;
        game.setProcessEnvironment(env);
        QElapsedTimer timer;
        timer.start();
        game.start(TEZRA_EXECUTABLE, {});
        bool shown = false;
        while (!shown && game.waitForReadyRead(10000)) {
            shown = game.readAll().contains("shown");
        }
        const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        game.waitForFinished(10000);
        if (!shown) {
            std::fprintf(stderr, "run %d: the title screen was never reported shown\n", i + 1);
            return 1;
        }
        times.push_back(ms);
    }
    std::sort(times.begin(), times.end());
    std::printf(
        "start to title screen shown over %d runs: median %.1f ms, min %.1f ms, max %.1f ms\n",
        runs, times[times.size() / 2], times.front(), times.back());
    return 0;
}
