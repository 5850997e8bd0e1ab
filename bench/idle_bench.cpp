// What the game costs while nobody touches it: CPU time and wake-ups on the title (with its
// demonstration) and on the play screen waiting for input, beside a bare Qt window left open,
// each watched over the same span after it has settled.
//   tezra_idle_bench [seconds]      (25 by default; QT_QPA_PLATFORM picks the display, offscreen
//                                    by default, so DISPLAY=:99 QT_QPA_PLATFORM=xcb uses Xvfb)
#include <unistd.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

#include "game_copy.h"

namespace {
struct Usage {
    double cpuSeconds = 0;
    long long wakeUps = 0;
};

// User and system time of the whole process, and the times any of its threads went to sleep
// and had to be woken.
Usage usageOf(qint64 pid) {
    Usage usage;
    QFile stat(QString("/proc/%1/stat").arg(pid));
    if (stat.open(QIODevice::ReadOnly)) {
        const QByteArray text = stat.readAll();
        // Fields after the command's closing parenthesis; utime and stime are the 12th and 13th.
        const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 12) {
            usage.cpuSeconds =
                static_cast<double>(fields[11].toLongLong() + fields[12].toLongLong()) /
                static_cast<double>(sysconf(_SC_CLK_TCK));
        }
    }
    const QDir tasks(QString("/proc/%1/task").arg(pid));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile status(tasks.filePath(task + "/status"));
        if (!status.open(QIODevice::ReadOnly)) {
            continue;
        }
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("voluntary_ctxt_switches:")) {
                usage.wakeUps += line.mid(line.indexOf(':') + 1).trimmed().toLongLong();
            }
        }
    }
    return usage;
}

void watch(const char* name, const QString& program, const QStringList& args,
           const QProcessEnvironment& env, int seconds) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, args);
    if (!process.waitForStarted(10000) || process.waitForFinished(3000)) {
        std::printf("%-28s did not stay running\n", name);
        return;
    }
    const Usage before = usageOf(process.processId());
    process.waitForFinished(seconds * 1000);
    const Usage after = usageOf(process.processId());
    const bool ran = process.state() == QProcess::Running;
    process.kill();
    process.waitForFinished(10000);
    if (!ran) {
        std::printf("%-28s ended while watched\n", name);
        return;
    }
    std::printf("%-28s %8.2f %% of a core %8.1f wake-ups/s\n", name,
                100.0 * (after.cpuSeconds - before.cpuSeconds) / seconds,
                static_cast<double>(after.wakeUps - before.wakeUps) / seconds);
}
}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(1, atoi(argv[1])) : 25;
    QProcessEnvironment env = BenchEnvironment();
    // A lock of its own, so that a copy of the game running elsewhere does not turn this one away.
    QTemporaryDir runtime;
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    env.insert("XDG_RUNTIME_DIR", runtime.path());
    std::printf("idle over %d s\n", seconds);
    watch("bare Qt window", BARE_EXECUTABLE, {"--stay"}, env, seconds);
    watch("title with demonstration", TEZRA_EXECUTABLE, {}, env, seconds);
    watch("play, waiting for input", TEZRA_EXECUTABLE, {"--level", "1", "--stage", "1"}, env,
          seconds);
    return 0;
}
