#pragma once

#include <QDate>
#include <QString>
#include <QTime>

// One judged shot as the record of shots keeps it. Angles are counted from the red line; the
// error is typedAngle - rightAngle; points is the change of score (negative on a miss).
struct ShotRow {
    QDate day;     // local date and time of the fire
    QTime time;    // whole seconds
    QString name;  // empty when no name was asked
    int level = 0;
    int stage = 0;
    int rightAngle = 0;
    int typedAngle = 0;
    bool hit = false;
    int points = 0;
    qint64 elapsedMs = 0;  // from the round's start to the fire; kept to tenths of a second

    int error() const { return typedAngle - rightAngle; }
};
