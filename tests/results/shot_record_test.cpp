#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <random>

#include "persist/shot_record.h"
#include "persist/shot_record_format.h"
#include "persist/shot_record_reader.h"
#include "results/sample_shots.h"
#include "support/kill_mid_write.h"

namespace {
QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

const QDate kDay(2026, 12, 10);
}  // namespace

TEST(ShotRecordTest, EachJudgedShotBecomesExactlyOneLine) {
    QTemporaryDir dir;
    ShotRecord record(dir.path());
    ShotRow hit = SampleShot(kDay, "ゆき", 40, 40);
    hit.time = QTime(14, 3, 27);
    hit.points = 50;
    hit.elapsedMs = 3249;
    ShotRow miss = SampleShot(kDay, "ゆき", 120, 90);
    miss.time = QTime(14, 3, 41);
    miss.level = 2;
    miss.elapsedMs = 12050;
    // Stage 3: the red line turned, the typed angle past the invader, a miss that costs points.
    ShotRow turned = SampleShot(kDay, "", 30, 170);
    turned.time = QTime(14, 4, 2);
    turned.level = 3;
    turned.stage = 3;
    turned.points = -30;
    turned.elapsedMs = 40;
    for (const ShotRow& row : {hit, miss, turned}) {
        ASSERT_TRUE(record.append(row));
    }
    EXPECT_EQ(FileBytes(dir.filePath("results.csv")),
              "\xEF\xBB\xBF"
              "日時,なまえ,レベル,ステージ,正しい角度,入力した角度,ずれ,結果,秒,とくてん\r\n"
              "2026-12-10 14:03:27,ゆき,1,1,40,40,0,命中,3.2,50\r\n"
              "2026-12-10 14:03:41,ゆき,2,1,120,90,-30,ミス,12.1,-30\r\n"
              "2026-12-10 14:04:02,,3,3,30,170,140,ミス,0.0,-30\r\n");
    const ShotRecordContents read = ReadShotRecord(record.path());
    ASSERT_EQ(read.rows.size(), 3u);
    EXPECT_EQ(read.damagedLines, 0);
    EXPECT_EQ(read.rows[2].error(), 140);
    EXPECT_EQ(read.rows[1].name, "ゆき");
}

TEST(ShotRecordTest, NamesCannotRunAsFormulasNorBreakTheLine) {
    QTemporaryDir dir;
    ShotRecord record(dir.path());
    const QString names[] = {"=HYPERLINK(\"http://x\",\"a\")",
                             "+1",
                             "-2+3",
                             "@SUM(A1)",
                             "\t=1",
                             "a,b",
                             "い\"う",
                             "かず\r\nき"};
    // Control characters go: a line break would make two lines of one.
    const QString readBack[] = {names[0], names[1], names[2], names[3],
                                "=1",     "a,b",    "い\"う", "かずき"};
    for (const QString& name : names) {
        ASSERT_TRUE(record.append(SampleShot(kDay, name, 50, 50)));
    }
    const QList<QByteArray> lines = FileBytes(record.path()).split('\n');
    ASSERT_EQ(lines.size(), 1 + 8 + 1);
    const char* cells[] = {"\"'=HYPERLINK(\"\"http://x\"\",\"\"a\"\")\",",
                           "'+1,",
                           "'-2+3,",
                           "'@SUM(A1),",
                           "'=1,",
                           "\"a,b\",",
                           "\"い\"\"う\",",
                           "かずき,"};
    for (int i = 0; i < 8; ++i) {
        EXPECT_TRUE(lines[i + 1].startsWith("2026-12-10 09:00:00," + QByteArray(cells[i])))
            << lines[i + 1].toStdString();
    }
    // Read back, each name is the name typed.
    const ShotRecordContents read = ReadShotRecord(record.path());
    EXPECT_EQ(read.damagedLines, 0);
    ASSERT_EQ(read.rows.size(), 8u);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(read.rows[size_t(i)].name, readBack[i]);
    }
}

// Appends shots numbered from `first` for ever (the number is the shot's time in tenths),
// one byte down the pipe after each.
[[noreturn]] void AppendForEver(const QString& dataDir, int first, int progress) {
    ShotRecord record(dataDir);
    for (int n = first;; ++n) {
        ShotRow row = SampleShot(kDay, QString(n % 7, u'な'), 10 * (1 + n % 18), 90);
        row.elapsedMs = n * 100;
        record.append(row);
        SayWritten(progress);
    }
}

// Every shot recorded before a kill stays, in order; what a kill cut short is at most one
// damaged line, never a shot with wrong figures, and the next shot stands on a line of its own.
TEST(ShotRecordTest, AppendsKilledAtRandomMomentsKeepEveryEarlierLine) {
    QTemporaryDir dir;
    const QString path = dir.filePath("results.csv");
    std::mt19937 rng(20261210);
    constexpr int kKills = 300;
    int recorded = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        ASSERT_TRUE(KillMidWrite(
            rng, 3, 100'000, [&](int progress) { AppendForEver(dir.path(), recorded, progress); }));

        const ShotRecordContents read = ReadShotRecord(path);
        ASSERT_GE(int(read.rows.size()), recorded) << "kill " << kill;
        for (int n = 0; n < int(read.rows.size()); ++n) {
            ASSERT_EQ(read.rows[size_t(n)].elapsedMs, n * 100) << "kill " << kill;
            ASSERT_EQ(read.rows[size_t(n)].rightAngle, 10 * (1 + n % 18)) << "kill " << kill;
        }
        ASSERT_LE(read.damagedLines, kill + 1);
        recorded = int(read.rows.size());
    }
    EXPECT_GT(recorded, kKills);
}

TEST(ShotRecordTest, AShotAfterAFragmentStandsOnItsOwnLine) {
    QTemporaryDir dir;
    const QString path = dir.filePath("results.csv");
    // A kill cut the last line inside its points: "-30" left as "-3".
    QByteArray bytes = ShotRecordHeader() + ShotRecordLine(SampleShot(kDay, "あ", 20, 20)) +
                       ShotRecordLine(SampleShot(kDay, "あ", 20, 30));
    bytes.chop(3);
    ASSERT_TRUE(WriteBytes(path, bytes));
    EXPECT_EQ(ReadShotRecord(path).damagedLines, 1);

    ASSERT_TRUE(ShotRecord(dir.path()).append(SampleShot(kDay, "い", 90, 90)));
    const ShotRecordContents read = ReadShotRecord(path);
    ASSERT_EQ(read.rows.size(), 2u);
    EXPECT_EQ(read.rows[0].name, "あ");
    EXPECT_EQ(read.rows[1].name, "い");
    EXPECT_EQ(read.damagedLines, 1);  // the fragment, never read as a miss of 3 points

    // A kill during the very first write left part of the header: the file begins again.
    ASSERT_TRUE(WriteBytes(path, ShotRecordHeader().first(7)));
    ASSERT_TRUE(ShotRecord(dir.path()).append(SampleShot(kDay, "う", 90, 90)));
    EXPECT_EQ(FileBytes(path), ShotRecordHeader() + ShotRecordLine(SampleShot(kDay, "う", 90, 90)));
}

TEST(ShotRecordTest, AFullFileIsMovedAsideWithNothingLost) {
    QTemporaryDir dir;
    constexpr qint64 kLimit = 2000;
    ShotRecord record(dir.path(), kLimit);
    constexpr int kShots = 200;
    for (int n = 0; n < kShots; ++n) {
        ShotRow row = SampleShot(kDay, "ゆき", 60, 70, n / 100);  // several moves in one second
        row.elapsedMs = n * 100;
        ASSERT_TRUE(record.append(row));
    }
    QStringList files = QDir(dir.path()).entryList(QDir::Files, QDir::Name);
    ASSERT_GT(files.size(), 4);
    EXPECT_EQ(files.takeLast(), "results.csv");  // the newest, after the moved ones
    EXPECT_TRUE(files.contains("results-20261210-090000.csv"));
    EXPECT_TRUE(files.contains("results-20261210-090000-2.csv"));
    files.append("results.csv");
    std::vector<qint64> times;
    for (const QString& name : files) {
        const QByteArray bytes = FileBytes(dir.filePath(name));
        EXPECT_TRUE(bytes.startsWith(ShotRecordHeader())) << name.toStdString();
        EXPECT_LT(bytes.size(), kLimit + 100) << name.toStdString();
        const ShotRecordContents read = ParseShotRecord(bytes);
        EXPECT_EQ(read.damagedLines, 0);
        for (const ShotRow& row : read.rows) {
            times.push_back(row.elapsedMs);
        }
    }
    ASSERT_EQ(times.size(), size_t(kShots));
    std::sort(times.begin(), times.end());
    for (int n = 0; n < kShots; ++n) {
        EXPECT_EQ(times[size_t(n)], n * 100);
    }
}

TEST(ShotRecordTest, AFileWithOtherLinksIsMovedAsideNotWrittenInto) {
    QTemporaryDir dir;
    QTemporaryDir elsewhere;
    const QString outside = elsewhere.filePath("outside.csv");
    ASSERT_TRUE(WriteBytes(outside, "keep\r\n"));
    ShotRecord record(dir.path());
    ASSERT_EQ(::link(QFile::encodeName(outside).constData(),
                     QFile::encodeName(record.path()).constData()),
              0);
    ASSERT_TRUE(record.append(SampleShot(kDay, "ゆき", 40, 40)));
    EXPECT_EQ(FileBytes(outside), "keep\r\n");
    EXPECT_EQ(FileBytes(record.path()),
              ShotRecordHeader() + ShotRecordLine(SampleShot(kDay, "ゆき", 40, 40)));
    EXPECT_EQ(FileBytes(dir.filePath("results-20261210-090000.csv")), "keep\r\n");
}

TEST(ShotRecordTest, WhereNoRecordCanBeWrittenPlayGoesOnWithOneLineSaid) {
    QTemporaryDir dir;
    // A data folder that is a file; a link in the record's place, to a file it must not touch.
    ASSERT_TRUE(WriteBytes(dir.filePath("not-a-folder"), "x"));
    ASSERT_TRUE(QDir(dir.path()).mkdir("linked"));
    ASSERT_TRUE(WriteBytes(dir.filePath("precious.txt"), "keep"));
    ASSERT_TRUE(QFile::link(dir.filePath("precious.txt"), dir.filePath("linked/results.csv")));
    ASSERT_TRUE(QDir(dir.path()).mkdir("piped"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("piped/results.csv")).constData(), 0600), 0);
    for (const char* folder : {"not-a-folder", "linked", "piped"}) {
        SCOPED_TRACE(folder);
        ShotRecord record(dir.filePath(folder));
        testing::internal::CaptureStderr();
        EXPECT_FALSE(record.append(SampleShot(kDay, "あ", 10, 10)));
        EXPECT_FALSE(record.append(SampleShot(kDay, "あ", 10, 20)));
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    }
    EXPECT_EQ(FileBytes(dir.filePath("precious.txt")), "keep");
}
