#pragma once

#include <QString>

#include "persist/shot_row.h"

// The record of shots: one line per judged shot, appended to results.csv in the data folder.
//
// Each line goes to the file whole, in one write, so a crash or a kill leaves every earlier line
// as it was and at most one partial last line, which readers skip and the next append steps over
// to a line of its own. A file that passes moveAsideBytes is renamed to
// results-YYYYMMDD-HHMMSS.csv beside it (the time of the shot that found it so) and a fresh
// file begins; so does a file with other links (hard links), which is never written into. Only a
// regular file is ever written, never through a symbolic link; in a private folder
// (IsPrivateFolder) it is made or kept private. A shot that cannot be recorded is lost, said once
// on standard error, and the game plays on.
class ShotRecord {
  public:
    static constexpr qint64 kMoveAsideBytes = 5 * 1024 * 1024;

    explicit ShotRecord(const QString& dataDir, qint64 moveAsideBytes = kMoveAsideBytes);

    // Whether the shot was recorded.
    bool append(const ShotRow& row);
    const QString& path() const { return path_; }

  private:
    bool moveAside(const ShotRow& row);
    bool fail(const QString& why);

    QString path_;
    qint64 moveAsideBytes_;
    bool failureReported_ = false;
};
