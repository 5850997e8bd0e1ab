#pragma once

#include <QDateTime>
#include <QString>

// A copy of the record for the teacher.
struct ShotRecordCopy {
    QString path;     // the copy written; empty when none was
    QString problem;  // why not, in Japanese, for the screen
};

// Writes the whole record as it is now, its moved-aside files and the current one, oldest
// first, to one file tezra-results-YYYYMMDD-HHMMSS.csv in the folder (the time is now), with
// one header, never over a file already there. The lines are copied byte for byte.
ShotRecordCopy SaveShotRecordCopy(const QString& recordPath, const QString& folder,
                                  const QDateTime& now);
