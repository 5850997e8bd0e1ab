#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "persist/shot_record_reader.h"
#include "results/results_figures.h"
#include "results/sample_shots.h"
#include "support/qt_printers.h"

namespace {
// Thursday; its week began on Monday the 7th.
const QDate kToday(2026, 12, 10);

const char kFixedRecord[] =
    "\xEF\xBB\xBF"
    "日時,なまえ,レベル,ステージ,正しい角度,入力した角度,ずれ,結果,秒,とくてん\r\n"
    "2026-12-10 09:00:00,ゆき,1,1,40,40,0,命中,2.0,50\r\n"
    "2026-12-10 09:00:10,ゆき,1,1,40,30,-10,ミス,3.0,-30\r\n"
    "2026-12-10 09:00:20,ゆき,1,1,120,100,-20,ミス,4.0,-30\r\n"
    "2026-12-10 09:00:30,ゆき,1,1,120,100,-20,ミス,4.0,-30\r\n"
    "2026-12-08 10:00:00,たろう,2,1,120,90,-30,ミス,5.5,-30\r\n"
    "2026-12-08 10:00:10,たろう,2,1,40,40,0,命中,1.5,50\r\n"
    "2026-12-01 10:00:00,たろう,2,3,170,150,-20,ミス,6.0,-30\r\n"
    "2026-12-01 10:00:10,,1,1,90,90,0,命中,2.0,50\r\n";

ResultsFigures FiguresOf(ResultsPeriod period, std::optional<QString> name = std::nullopt) {
    const ShotRecordContents contents = ParseShotRecord(kFixedRecord);
    EXPECT_EQ(contents.damagedLines, 0);
    EXPECT_EQ(contents.rows.size(), 8u);
    return ComputeResultsFigures(contents.rows, {period, name}, kToday, kTensGrid);
}

void ExpectAngle(const ResultsFigures& figures, int angle, int shots, int hits, double error) {
    SCOPED_TRACE(angle);
    const AngleFigures& a = figures.angles[size_t(angle / 10 - 1)];
    EXPECT_EQ(a.angle, angle);
    EXPECT_EQ(a.shots, shots);
    EXPECT_EQ(a.hits, hits);
    EXPECT_NEAR(a.averageError, error, 1e-9);
}
}  // namespace

TEST(ResultsFiguresTest, AFixedRecordGivesKnownFigures) {
    const ResultsFigures all = FiguresOf(ResultsPeriod::Everything);
    EXPECT_EQ(all.shots, 8);
    ExpectAngle(all, 40, 3, 2, -10.0 / 3);
    ExpectAngle(all, 120, 3, 0, -70.0 / 3);
    ExpectAngle(all, 170, 1, 0, -20);
    ExpectAngle(all, 90, 1, 1, 0);
    int charted = 0;
    for (const AngleFigures& a : all.angles) {
        charted += a.shots;
    }
    EXPECT_EQ(charted, 8);
    ASSERT_EQ(all.names.size(), 3u);
    EXPECT_EQ(all.names[0].name, "");
    EXPECT_EQ(all.names[0].mostMissed, std::vector<int>{});
    EXPECT_EQ(all.names[1].name, "たろう");
    EXPECT_EQ(all.names[1].shots, 3);
    EXPECT_EQ(all.names[1].hits, 1);
    EXPECT_NEAR(all.names[1].averageError, -50.0 / 3, 1e-9);
    EXPECT_EQ(all.names[1].mostMissed, (std::vector<int>{120, 170}));  // a tie: smaller first
    EXPECT_EQ(all.names[2].name, "ゆき");
    EXPECT_NEAR(all.names[2].averageError, -12.5, 1e-9);
    EXPECT_EQ(all.names[2].mostMissed, (std::vector<int>{120, 40}));

    const ResultsFigures today = FiguresOf(ResultsPeriod::Today);
    EXPECT_EQ(today.shots, 4);
    ExpectAngle(today, 40, 2, 1, -5);
    ExpectAngle(today, 120, 2, 0, -20);
    ASSERT_EQ(today.names.size(), 1u);

    const ResultsFigures week = FiguresOf(ResultsPeriod::ThisWeek);
    EXPECT_EQ(week.shots, 6);
    ExpectAngle(week, 120, 3, 0, -70.0 / 3);
    ExpectAngle(week, 170, 0, 0, 0);

    const ResultsFigures taro = FiguresOf(ResultsPeriod::Everything, QString("たろう"));
    EXPECT_EQ(taro.shots, 3);
    ExpectAngle(taro, 120, 1, 0, -30);
    ExpectAngle(taro, 40, 1, 1, 0);
    const ResultsFigures nameless = FiguresOf(ResultsPeriod::Everything, QString(""));
    EXPECT_EQ(nameless.shots, 1);
    EXPECT_EQ(NamesInRecord(ParseShotRecord(kFixedRecord).rows),
              (QStringList{"", "たろう", "ゆき"}));
}

TEST(ResultsFiguresTest, DamagedLinesAreSkippedAndCounted) {
    const QByteArray good = "2026-12-10 09:00:00,ゆき,1,1,40,40,0,命中,2.0,50";
    const char* damaged[] = {
        "2026-12-10 09:00:00,ゆき,1,1,40,40,0,命中,2.0",          // a field short
        "2026-12-10 09:00:00,ゆき,1,1,40,40,0,命中,2.0,50,7",     // a field over
        "2026-12-10 09:00:00,ゆき,one,1,40,40,0,命中,2.0,50",     // no number
        "2026-12-10 09:00:00,ゆき,1,1,999,40,-959,ミス,2.0,-30",  // no such angle
        "2026-12-10 09:00:00,ゆき,1,1,40,30,0,ミス,2.0,-30",      // error not typed - right
        "2026-13-40 09:00:00,ゆき,1,1,40,40,0,命中,2.0,50",       // no such day
        "2026-12-10 09:00:00,ゆき,1,1,40,40,0,たぶん,2.0,50",     // no such result
        "2026-12-10 09:00:00,\"ゆき,1,1,40,40,0,命中,2.0,50",     // the quote never closes
        "2026-12-10 09:00:00,ゆき,1,1,40,40,0,命中,2.05,50",      // tenths only
        "\xFF\xFE garbage",
    };
    QByteArray bytes = ShotRecordHeader() + good + "\r\n";
    for (const char* line : damaged) {
        bytes += QByteArray(line) + "\r\n";
    }
    bytes += "\n" + good + "\n";  // an empty line is no damage; LF alone ends a line too
    bytes += good.first(30);      // the partial last line of a write cut short
    const ShotRecordContents contents = ParseShotRecord(bytes);
    EXPECT_EQ(contents.rows.size(), 2u);
    EXPECT_EQ(contents.damagedLines, 11);
    EXPECT_TRUE(contents.problem.isEmpty());
}

TEST(ResultsFiguresTest, FilesPutTogetherAreNotDamagedByTheirHeaders) {
    // Thirty copies joined by a teacher, each with its byte-order mark and header; then a header
    // without the mark, as an editor may leave it.
    QByteArray bytes;
    for (int n = 0; n < 30; ++n) {
        bytes += ShotRecordHeader() + ShotRecordLine(SampleShot(kToday, "あ", 40, 40, n));
    }
    bytes += ShotRecordHeader().sliced(3) + ShotRecordLine(SampleShot(kToday, "い", 40, 40));
    const ShotRecordContents contents = ParseShotRecord(bytes);
    EXPECT_EQ(contents.rows.size(), 31u);
    EXPECT_EQ(contents.damagedLines, 0);
}

// What the recorder moved aside is read too, oldest first; no name but its own pattern is taken,
// and each file is read by the same rules.
TEST(ResultsFiguresTest, TheRecordIsEveryFileTheRecorderMovedAsideAndTheCurrentOne) {
    QTemporaryDir dir;
    const auto file = [&](const QString& name, const QByteArray& lines) {
        return WriteBytes(dir.filePath(name), ShotRecordHeader() + lines);
    };
    const auto shot = [](int second) {
        return ShotRecordLine(SampleShot(kToday, "あ", 40, 40, second));
    };
    ASSERT_TRUE(file("results-20261201-090000.csv", shot(1) + "damaged\r\n" + shot(2)));
    ASSERT_TRUE(file("results-20261201-090000-2.csv", shot(3)));  // moved within the same second
    ASSERT_TRUE(file("results-20261205-120000.csv", shot(4)));
    ASSERT_TRUE(file("results.csv", shot(5) + "x\r\ny\r\n"));
    for (const char* other :
         {"results-2026121-090000.csv", "results-20261201-090000.csv~",
          "Results-20261201-090000.csv", "results-20261201-090000.CSV",
          "results-20261201-090000-0.csv", "results-20261201-090000-2-3.csv",
          "results-２０261201-090000.csv", "tezra-results-20261201-090000.csv"}) {
        ASSERT_TRUE(file(QString::fromUtf8(other), shot(30)));
    }
    ASSERT_TRUE(QFile::link(dir.filePath("results-20261205-120000.csv"),
                            dir.filePath("results-20261206-120000.csv")));

    const ShotRecordContents read = ReadShotRecord(dir.filePath("results.csv"));
    std::vector<int> seconds;
    for (const ShotRow& row : read.rows) {
        seconds.push_back(row.time.second());
    }
    EXPECT_EQ(seconds, (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(read.damagedLines, 3);
    std::vector<std::pair<QString, int>> files;
    for (const ShotRecordFile& f : read.files) {
        files.emplace_back(f.name, f.damagedLines);
    }
    EXPECT_EQ(files, (std::vector<std::pair<QString, int>>{{"results-20261201-090000.csv", 1},
                                                           {"results-20261201-090000-2.csv", 0},
                                                           {"results-20261205-120000.csv", 0},
                                                           {"results-20261206-120000.csv", 0},
                                                           {"results.csv", 2}}));
    EXPECT_EQ(
        read.problem,
        "results-20261206-120000.csv：きろくのファイルがリンクになっているので、読めません。");
}

TEST(ResultsFiguresTest, OnlyARegularFileIsReadAndAnythingElseSaysWhy) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("pipe")).constData(), 0600), 0);
    ASSERT_TRUE(WriteRecord(dir.filePath("real.csv"), {SampleShot(kToday, "あ", 10, 10)}));
    ASSERT_TRUE(QFile::link(dir.filePath("real.csv"), dir.filePath("link.csv")));
    const std::pair<QString, const char*> cases[] = {
        {dir.filePath("folder"), "フォルダ"},
        {dir.filePath("pipe"), "ふつうのファイルではない"},
        {"/dev/null", "ふつうのファイルではない"},
        {dir.filePath("link.csv"), "リンク"},
    };
    for (const auto& [path, why] : cases) {
        SCOPED_TRACE(path.toStdString());
        const ShotRecordContents contents = ReadShotRecord(path);
        EXPECT_TRUE(contents.rows.empty());
        EXPECT_TRUE(contents.problem.contains(QString::fromUtf8(why)))
            << contents.problem.toStdString();
    }
    const ShotRecordContents missing = ReadShotRecord(dir.filePath("none.csv"));
    EXPECT_TRUE(missing.rows.empty());
    EXPECT_TRUE(missing.problem.isEmpty());
    EXPECT_EQ(ReadShotRecord(dir.filePath("real.csv")).rows.size(), 1u);
}

TEST(ResultsFiguresTest, OnAFiveDegreeGridTheChartHas36SectorsAndCounts45) {
    const ShotRecordContents contents = ParseShotRecord(
        "\xEF\xBB\xBF"
        "日時,なまえ,レベル,ステージ,正しい角度,入力した角度,ずれ,結果,秒,とくてん\r\n"
        "2026-12-10 09:00:00,ゆき,1,1,45,45,0,命中,2.0,50\r\n");
    ASSERT_EQ(contents.rows.size(), 1u);
    const ResultsFigures figures = ComputeResultsFigures(
        contents.rows, {ResultsPeriod::Everything, std::nullopt}, kToday, {5, 5, 180});
    ASSERT_EQ(figures.angles.size(), 36u);
    EXPECT_EQ(figures.angles[8].angle, 45);
    EXPECT_EQ(figures.angles[8].shots, 1);
}
