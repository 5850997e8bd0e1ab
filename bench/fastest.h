#pragma once

#include <QElapsedTimer>
#include <algorithm>
#include <functional>

// Milliseconds per run of `once`, from the fastest of `batches` batches of `perBatch` runs: the
// batch least disturbed by whatever else the machine runs.
inline double FastestMsPerRun(int batches, int perBatch, const std::function<void()>& once) {
    double fastest = 0;
    for (int b = 0; b < batches; ++b) {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < perBatch; ++i) {
            once();
        }
        const double each = static_cast<double>(timer.nsecsElapsed()) / 1e6 / perBatch;
        fastest = b == 0 ? each : std::min(fastest, each);
    }
    return fastest;
}
