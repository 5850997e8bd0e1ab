#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "persist/shot_row.h"

// Far more than years of a class's shots; a larger record is no record of this game. The files
// of a record share it, the newest first.
inline constexpr qint64 kMaxShotRecordBytes = 256 * 1024 * 1024;

// One file of the record as it was read.
struct ShotRecordFile {
    QString name;          // results.csv or a moved-aside results-YYYYMMDD-HHMMSS.csv
    int damagedLines = 0;  // skipped: damaged, or the partial last line of a write cut short
    QString problem;       // why the file could not be read, for the screen; empty when it was
};

// What the record of shots holds, as far as it can be read.
struct ShotRecordContents {
    std::vector<ShotRow> rows;
    int damagedLines = 0;               // in all its files
    QString problem;                    // the files' problems, one a line
    std::vector<ShotRecordFile> files;  // oldest first; empty for bytes parsed alone
};

// The files of the record whose current file is recordPath (results.csv): the files the
// recorder moved aside beside it, oldest first, then recordPath itself. Only names of the
// recorder's own pattern are taken, whatever they are on disk: reading says what each is.
QStringList ShotRecordFiles(const QString& recordPath);

// A file's bytes, or a problem. Only a regular file is read, never through a symbolic link: a
// folder, a pipe or a device in its place gives the reason instead. A missing file is empty.
struct ShotRecordBytes {
    QByteArray bytes;
    QString problem;
};

// The bytes of each of the record's files (as ShotRecordFiles gives them), sharing
// kMaxShotRecordBytes newest first; a problem names its file.
std::vector<ShotRecordBytes> ReadShotRecordFiles(const QStringList& paths);

// The shots of a file's bytes. Header lines are skipped wherever they stand, with or without
// a byte-order mark, as files put one after the other leave them; damaged lines are counted.
ShotRecordContents ParseShotRecord(const QByteArray& bytes);

// The whole record whose current file is recordPath, oldest shots first.
ShotRecordContents ReadShotRecord(const QString& recordPath);
