#pragma once

#include <QDateTime>
#include <QString>

// A copy of the record for the teacher.
struct ShotRecordCopy {
    QString path;     // the copy written; empty when none was
    QString problem;  // why not, in Japanese, for the screen
};

// Writes the record's bytes, as they are now, to tezra-results-YYYYMMDD-HHMMSS.csv in the
// folder (the time is now), never over a file already there.
ShotRecordCopy SaveShotRecordCopy(const QString& recordPath, const QString& folder,
                                  const QDateTime& now);
