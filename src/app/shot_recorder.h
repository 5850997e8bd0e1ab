#pragma once

#include <QDateTime>
#include <QObject>

#include "persist/shot_record.h"
#include "play/judged_shot.h"

struct RunMemory;

// Keeps every shot the play screens of a run judge in the record of shots, with the local time
// it was fired and the name the child gave.
class ShotRecorder : public QObject {
  public:
    ShotRecorder(const QString& dataDir, const RunMemory& run, QObject* parent);

    void record(const JudgedShot& shot);

  private:
    ShotRecord record_;
    const RunMemory& run_;
};

// The shot as a row of the record; judgedAt is the local time of its judgement, from which the
// fan and the flight are taken back to the fire.
ShotRow RowOf(const JudgedShot& shot, const QString& name, const QDateTime& judgedAt);
