#include "app/shot_recorder.h"

#include "state/run_memory.h"

ShotRecorder::ShotRecorder(const QString& dataDir, const RunMemory& run, QObject* parent)
    : QObject(parent), record_(dataDir), run_(run) {}

void ShotRecorder::record(const JudgedShot& shot) {
    record_.append(RowOf(shot, run_.playerName, QDateTime::currentDateTime()));
}

ShotRow RowOf(const JudgedShot& shot, const QString& name, const QDateTime& judgedAt) {
    const QDateTime at = judgedAt.addMSecs(-shot.sinceFireMs);
    ShotRow row;
    row.day = at.date();
    const QTime time = at.time();
    row.time = QTime(time.hour(), time.minute(), time.second());
    row.name = name;
    row.level = shot.level;
    row.stage = shot.stage;
    row.rightAngle = shot.rightAngle;
    row.typedAngle = shot.typedAngle;
    row.hit = shot.hit;
    row.points = shot.points;
    row.elapsedMs = shot.elapsedMs;
    return row;
}
