#include <QDateTime>

#include "app/shot_recorder.h"
#include "persist/shot_record_reader.h"
#include "support/play_fixture.h"

namespace {
class ShotRecorderTest : public PlayFixture {};

TEST_F(ShotRecorderTest, EveryJudgedShotOfTheRunBecomesOneLineInTheDataFolder) {
    run.playerName = "=ゆき";
    start(1, 1);
    runUntilReady();
    const int right = answerFor(play().model.nearSlot());
    // The stamp is the fire's: the judgement's wall time less the fan and the flight, which
    // run on the virtual clock and so may reach back before this line.
    const QDateTime before = QDateTime::currentDateTime().addSecs(-10);
    fire(right);
    runUntilReady();
    const int wrong = right <= 90 ? right + 40 : right - 40;
    const int missRight = answerFor(play().model.nearSlot());
    fire(wrong);
    runUntilReady();

    const ShotRecordContents read = ReadShotRecord(dir.filePath("results.csv"));
    EXPECT_EQ(read.damagedLines, 0);
    ASSERT_EQ(read.rows.size(), 2u);
    const ShotRow& hit = read.rows[0];
    EXPECT_TRUE(hit.hit);
    EXPECT_EQ(std::tuple(hit.level, hit.stage, hit.rightAngle, hit.typedAngle),
              std::tuple(1, 1, right, right));
    EXPECT_GT(hit.points, 0);
    EXPECT_EQ(hit.name, "=ゆき");
    EXPECT_GE(QDateTime(hit.day, hit.time), before);
    EXPECT_LE(QDateTime(hit.day, hit.time), QDateTime::currentDateTime());
    const ShotRow& miss = read.rows[1];
    EXPECT_FALSE(miss.hit);
    EXPECT_EQ(std::tuple(miss.rightAngle, miss.typedAngle, miss.error()),
              std::tuple(missRight, wrong, wrong - missRight));
    EXPECT_EQ(miss.points, -30);
}

TEST(ShotRow, TheRecordsTimeIsTheFiresNotTheJudgements) {
    JudgedShot shot;
    shot.elapsedMs = 2300;
    shot.sinceFireMs = 1450;  // a wide fan and the flight
    const ShotRow row = RowOf(shot, "ゆき", QDateTime({2026, 12, 10}, {10, 0, 1, 200}));
    EXPECT_EQ(QDateTime(row.day, row.time).toString(Qt::ISODate), "2026-12-10T09:59:59");
    EXPECT_EQ(row.elapsedMs, 2300);
}
}  // namespace
