#pragma once

#include <QDateTime>
#include <QObject>

#include "persist/shot_record.h"
#include "play/judged_shot.h"

struct RunMemory;

// Keeps every shot the play screens of a run judge in the record of shots, with the local time
// it was judged and the name the child gave.
class ShotRecorder : public QObject {
  public:
    ShotRecorder(const QString& dataDir, const RunMemory& run, QObject* parent);

    void record(const JudgedShot& shot);

  private:
    ShotRecord record_;
    const RunMemory& run_;
};

ShotRow RowOf(const JudgedShot& shot, const QString& name, const QDateTime& at);
