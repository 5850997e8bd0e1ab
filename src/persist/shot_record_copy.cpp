#include "persist/shot_record_copy.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include "persist/shot_record_format.h"
#include "persist/shot_record_reader.h"

ShotRecordCopy SaveShotRecordCopy(const QString& recordPath, const QString& folder,
                                  const QDateTime& now) {
    const std::vector<ShotRecordBytes> files = ReadShotRecordFiles(ShotRecordFiles(recordPath));
    for (const ShotRecordBytes& file : files) {
        if (!file.problem.isEmpty()) {
            return {{}, file.problem};
        }
    }
    const QDir dir(folder);
    const QString stem =
        QStringLiteral("tezra-results-") + now.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString path = dir.filePath(stem + QStringLiteral(".csv"));
    for (int n = 2; QFileInfo::exists(path) || QFileInfo(path).isSymLink(); ++n) {
        path = dir.filePath(stem + QStringLiteral("-%1.csv").arg(n));
    }
    QSaveFile copy(path);
    bool written = copy.open(QIODevice::WriteOnly);
    const auto put = [&](QByteArrayView bytes) {
        written = written && copy.write(bytes.data(), bytes.size()) == bytes.size();
    };
    const QByteArray header = ShotRecordHeader();
    put(header);
    for (const ShotRecordBytes& file : files) {
        QByteArrayView lines(file.bytes);
        if (lines.startsWith(header)) {
            lines = lines.sliced(header.size());
        }
        put(lines);
        if (!lines.isEmpty() && !lines.endsWith('\n')) {
            // Ended as the recorder ends a fragment, so that the next file's first line stays
            // apart and a number cut short never reads as another number.
            put(",\r\n");
        }
    }
    if (!written || !copy.commit()) {
        return {{}, QStringLiteral("コピーを保存できませんでした：%1").arg(copy.errorString())};
    }
    return {path, {}};
}
