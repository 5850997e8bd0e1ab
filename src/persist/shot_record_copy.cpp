#include "persist/shot_record_copy.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include "persist/shot_record_reader.h"

ShotRecordCopy SaveShotRecordCopy(const QString& recordPath, const QString& folder,
                                  const QDateTime& now) {
    const ShotRecordBytes record = ReadShotRecordBytes(recordPath);
    if (!record.problem.isEmpty()) {
        return {{}, record.problem};
    }
    const QDir dir(folder);
    const QString stem =
        QStringLiteral("tezra-results-") + now.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString path = dir.filePath(stem + QStringLiteral(".csv"));
    for (int n = 2; QFileInfo::exists(path) || QFileInfo(path).isSymLink(); ++n) {
        path = dir.filePath(stem + QStringLiteral("-%1.csv").arg(n));
    }
    QSaveFile copy(path);
    if (!copy.open(QIODevice::WriteOnly) || copy.write(record.bytes) != record.bytes.size() ||
        !copy.commit()) {
        return {{}, QStringLiteral("コピーを保存できませんでした：%1").arg(copy.errorString())};
    }
    return {path, {}};
}
