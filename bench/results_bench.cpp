// Cost of the record of shots. The results screen opening on a record of 100,000 shots: reading
// and summing alone, the screen built, then the whole opening (read, figures, table, first paint
// offscreen), each the fastest of 5. Then one shot appended to the record, against a round, which
// lasts seconds.
//   tezra_results_bench [shots]      (100000 by default; offscreen unless QT_QPA_PLATFORM says)
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

#include "fastest.h"
#include "persist/shot_record.h"
#include "persist/shot_record_format.h"
#include "persist/shot_record_reader.h"
#include "results/frm_results.h"
#include "results/results_figures.h"

namespace {
const QDateTime kNow(QDate(2026, 12, 10), QTime(15, 0));

ShotRow Shot(int n) {
    ShotRow row;
    row.day = kNow.date().addDays(-(n / 2000));
    row.time = QTime(9, 0).addSecs(n % 20000);
    row.name = QStringLiteral("なまえ%1").arg(n % 30);  // a class of 30
    row.level = 1 + n % 3;
    row.stage = 1 + n / 7 % 3;
    row.rightAngle = 10 * (1 + n % 18);
    row.typedAngle = row.rightAngle + 10 * (n % 5 - 2);
    row.hit = row.typedAngle == row.rightAngle;
    row.points = row.hit ? 50 : -30;
    row.elapsedMs = 1000 + n % 9000;
    return row;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const int shots = argc > 1 ? std::max(1, atoi(argv[1])) : 100'000;
    QTemporaryDir dir;
    const QString path = dir.filePath(kShotRecordFile);
    {
        QByteArray bytes = ShotRecordHeader();
        for (int n = 0; n < shots; ++n) {
            bytes += ShotRecordLine(Shot(n));
        }
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "cannot write %s\n", qUtf8Printable(path));
            return 1;
        }
        std::printf("record of %d shots, %.1f MB\n", shots, double(bytes.size()) / 1e6);
    }

    ShotRecordContents contents;
    const double read = FastestMsPerRun(5, 1, [&] { contents = ReadShotRecord(path); });
    const double sums = FastestMsPerRun(5, 1, [&] {
        ComputeResultsFigures(contents.rows, {ResultsPeriod::Everything, std::nullopt}, kNow.date(),
                              kTensGrid);
    });
    const double opening = FastestMsPerRun(5, 1, [&] {
        FrmResults screen(path, kNow);
        screen.grab();
    });
    const double built = FastestMsPerRun(5, 1, [&] { FrmResults screen(path, kNow); });
    std::printf("screen built, not painted    %8.1f ms\n", built);
    std::printf("read and check the lines     %8.1f ms\n", read);
    std::printf("figures by angle and name    %8.1f ms\n", sums);
    std::printf("results screen opened, painted %6.1f ms  (target: under 200 ms)\n", opening);

    constexpr int kAppends = 2000;
    ShotRecord record(dir.filePath("appends"));
    QDir(dir.path()).mkdir("appends");
    QElapsedTimer timer;
    timer.start();
    double slowest = 0;
    for (int n = 0; n < kAppends; ++n) {
        const qint64 before = timer.nsecsElapsed();
        record.append(Shot(n));
        slowest = std::max(slowest, double(timer.nsecsElapsed() - before) / 1e3);
    }
    const double each = double(timer.nsecsElapsed()) / 1e3 / kAppends;
    std::printf("one shot recorded            %8.1f us on average, %.1f us at most\n", each,
                slowest);
    std::printf("                             %8.4f %% of a 2-second round\n", each / 2e6 * 100);
    return 0;
}
