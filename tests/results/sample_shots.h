#pragma once

#include <QFile>
#include <QString>
#include <vector>

#include "persist/shot_record_format.h"

// A shot fired on the given day at 09:00 plus `second` seconds.
inline ShotRow SampleShot(QDate day, const QString& name, int right, int typed, int second = 0) {
    ShotRow row;
    row.day = day;
    row.time = QTime(9, 0).addSecs(second);
    row.name = name;
    row.level = 1;
    row.stage = 1;
    row.rightAngle = right;
    row.typedAngle = typed;
    row.hit = right == typed;
    row.points = row.hit ? 50 : -30;
    row.elapsedMs = 2500;
    return row;
}

inline bool WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The record file of these shots, as the game writes it.
inline bool WriteRecord(const QString& path, const std::vector<ShotRow>& rows) {
    QByteArray bytes = ShotRecordHeader();
    for (const ShotRow& row : rows) {
        bytes += ShotRecordLine(row);
    }
    return WriteBytes(path, bytes);
}

// A morning's session: ゆき at level 1 the day before, たろう at level 2 today, 20 shots each.
// Both read angles past 90° too small, たろう by more.
inline std::vector<ShotRow> ClassSession(QDate today) {
    std::vector<ShotRow> rows;
    const int rights[] = {30, 60, 90, 120, 150, 40, 100, 140, 170, 20};
    for (int n = 0; n < 40; ++n) {
        const bool taro = n >= 20;
        const int right = rights[n % 10] + (n % 20 >= 10 ? 10 : 0);
        const int bias = right > 90 ? (taro ? 30 : 10) * ((n % 3) ? 1 : 0) : (n % 4 == 0 ? 10 : 0);
        ShotRow row = SampleShot(taro ? today : today.addDays(-1), taro ? "たろう" : "ゆき", right,
                                 right - bias, n * 9);
        row.level = taro ? 2 : 1;
        row.stage = 1 + n % 3;
        rows.push_back(row);
    }
    return rows;
}
