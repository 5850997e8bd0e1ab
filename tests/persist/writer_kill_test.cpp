#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <random>

#include "persist/data_files.h"
#include "state/game_state.h"
#include "support/kill_mid_write.h"

namespace {
QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// Saves the two states in turn for ever.
[[noreturn]] void SaveForEver(const GameState& a, const GameState& b, int progress) {
    for (unsigned n = 0;; ++n) {
        SaveHighScore(n % 2 ? b : a);
        SayWritten(progress);
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
        ASSERT_TRUE(
            KillMidWrite(rng, 2, 200'000, [&](int progress) { SaveForEver(a, b, progress); }));

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
