#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <random>

#include "persist/data_files.h"
#include "state/game_state.h"

namespace {
QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// Saves the two states in turn for ever, one byte down the pipe after each save.
[[noreturn]] void SaveForEver(const GameState& a, const GameState& b, int progress) {
    for (unsigned n = 0;; ++n) {
        SaveHighScore(n % 2 ? b : a);
        if (::write(progress, "s", 1) != 1) {
            std::_Exit(1);
        }
    }
}
}  // namespace

// A save killed at any moment leaves the whole old or the whole new file, and nothing that
// troubles the next start.
TEST(WriterKillTest, ASaveKilledAtRandomMomentsLeavesOneWholeFile) {
    QTemporaryDir dir;
    GameState a;
    GameState b;
    SetAppDir(a, dir.path());
    SetAppDir(b, dir.path());
    a.gHiScore = 1250;
    a.gHiName = "ずび";
    b.gHiScore = 98765;
    b.gHiName = QString(300, u'あ');  // a longer file: a cut one would show
    const QString path = dir.filePath(kHighScoreFile);
    ASSERT_TRUE(SaveHighScore(b));
    const QByteArray bytesB = FileBytes(path);
    ASSERT_TRUE(SaveHighScore(a));
    const QByteArray bytesA = FileBytes(path);

    std::mt19937 rng(20240611);
    constexpr int kKills = 1000;
    int good = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        int pipeFds[2];
        ASSERT_EQ(::pipe(pipeFds), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(pipeFds[0]);
            SaveForEver(a, b, pipeFds[1]);
        }
        ::close(pipeFds[1]);
        // Let a few saves finish, then cut the next one short after some busy work.
        char done;
        for (int saves = std::uniform_int_distribution(0, 2)(rng); saves > 0; --saves) {
            ASSERT_EQ(::read(pipeFds[0], &done, 1), 1);
        }
        volatile unsigned spin = 0;
        for (int n = std::uniform_int_distribution(0, 200'000)(rng); n > 0; --n) {
            spin = spin + 1;
        }
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        ::close(pipeFds[0]);

        const QByteArray bytes = FileBytes(path);
        good += bytes == bytesA || bytes == bytesB;
        GameState next;  // the next start
        SetAppDir(next, dir.path());
        LoadHighScoreFile(next, std::chrono::system_clock::now());
        ASSERT_TRUE(next.gHiScore == a.gHiScore || next.gHiScore == b.gHiScore)
            << "kill " << kill << ": " << bytes.toStdString();
        ASSERT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                  QStringList{kHighScoreFile})
            << "kill " << kill;
    }
    std::printf("%d of %d killed saves left a whole file\n", good, kKills);
    EXPECT_EQ(good, kKills);
}
