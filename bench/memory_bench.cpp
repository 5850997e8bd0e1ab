// Peak memory (VmHWM) of the game at the play screen with its music playing, beside a bare Qt
// window program, each read while it still runs.
//   tezra_memory_bench [seconds [game]]  (how long each runs first, 4 by default; `game` is
//                                         another build's program, to compare)
// With no audio device the music is rendered and thrown away, so the sound font loads all the
// same. QT_QPA_PLATFORM picks the display; offscreen by default.
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

#include "game_copy.h"

namespace {

// A "Name:   1234 kB" line of /proc/<pid>/status in megabytes, or -1.
double statusMb(qint64 pid, const QByteArray& name) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(name + ':')) {
            return line.mid(name.size() + 1).trimmed().split(' ').value(0).toDouble() / 1024.0;
        }
    }
    return -1;
}

bool maps(qint64 pid, const QByteArray& library) {
    QFile maps(QStringLiteral("/proc/%1/maps").arg(pid));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(library);
}

struct Peak {
    double mb = -1;
    bool synthesizer = false;  // whether FluidSynth was loaded
};

Peak peakAfter(const QString& program, const QStringList& args, const QProcessEnvironment& env,
               int ms) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, args);
    Peak peak;
    if (!process.waitForStarted() || process.waitForFinished(ms)) {
        return peak;  // it never ran, or ended too soon
    }
    peak.mb = statusMb(process.processId(), "VmHWM");
    peak.synthesizer = maps(process.processId(), "libfluidsynth");
    process.kill();
    process.waitForFinished();
    return peak;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int ms = 1000 * (argc > 1 ? std::max(1, atoi(argv[1])) : 4);
    QProcessEnvironment env = BenchEnvironment();
    env.insert("TEZRA_MUSIC_OUTPUT", "discard");
    QTemporaryDir dir;
    const QString game = CopyOfGame(argc > 2 ? argv[2] : TEZRA_EXECUTABLE, dir);
    const Peak g = peakAfter(game, {"--level", "1", "--stage", "1"}, env, ms);
    const Peak b = peakAfter(BARE_EXECUTABLE, {"--stay"}, env, ms);
    if (g.mb < 0 || b.mb < 0) {
        std::fprintf(stderr, "a program ended before its memory was read\n");
        return 1;
    }
    std::printf("peak memory (VmHWM) after %d s: game at play %.1f MB%s, bare Qt window %.1f MB\n",
                ms / 1000, g.mb, g.synthesizer ? "" : " (no synthesizer loaded)", b.mb);
    return 0;
}
