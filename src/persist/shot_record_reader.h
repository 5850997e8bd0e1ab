#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "persist/shot_row.h"

// What the record of shots holds, as far as it can be read.
struct ShotRecordContents {
    std::vector<ShotRow> rows;
    int damagedLines = 0;  // skipped: damaged, or the partial last line of a write cut short
    QString problem;       // why the file could not be read, for the screen; empty when it was
};

// The record's bytes, or a problem. Only a regular file is read, never through a symbolic link:
// a folder, a pipe or a device in its place gives the reason instead. A missing file is an
// empty record.
struct ShotRecordBytes {
    QByteArray bytes;
    QString problem;
};
ShotRecordBytes ReadShotRecordBytes(const QString& path);

// The shots of a record's bytes; the header is skipped, damaged lines are counted.
ShotRecordContents ParseShotRecord(const QByteArray& bytes);

ShotRecordContents ReadShotRecord(const QString& path);
