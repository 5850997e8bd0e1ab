#include "persist/data_file_io.h"

#include <QFile>
#include <QSaveFile>
#include <array>

#include "persist/cp932.h"

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {
bool SyncToDisk(QSaveFile& file) {
#ifdef Q_OS_UNIX
    return ::fsync(file.handle()) == 0;
#else
    Q_UNUSED(file);
    return true;  // commit() syncs, though without telling whether that worked
#endif
}
}  // namespace

std::optional<QStringList> ReadDataLines(const QString& path, qsizetype count) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    QStringList lines;
    QByteArray line;
    bool lineStarted = false;
    bool afterCr = false;
    std::array<char, 4096> chunk;
    while (lines.size() < count) {
        const qint64 got = file.read(chunk.data(), qint64(chunk.size()));
        if (got <= 0) {
            break;
        }
        for (qint64 i = 0; i < got && lines.size() < count; ++i) {
            const char c = chunk[i];
            if (afterCr && c == '\n') {
                afterCr = false;
                continue;
            }
            afterCr = c == '\r';
            if (c == '\r' || c == '\n') {
                lines.append(DecodeCp932(line));
                line.clear();
                lineStarted = false;
            } else {
                lineStarted = true;
                if (line.size() < kMaxLineBytes) {
                    line.append(c);
                }
            }
        }
    }
    if (lineStarted && lines.size() < count) {
        lines.append(DecodeCp932(line));
    }
    return lines;
}

bool WriteDataLines(const QString& path, const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += EncodeCp932(PrintableText(line));
        bytes += "\r\n";
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    // Qt 6.4's commit() renames the new file over the old one even after a failed write (a full
    // disk), so the writing is checked here, down to the disk, before it may commit.
    if (file.write(bytes) != bytes.size() || !file.flush() || !SyncToDisk(file)) {
        file.cancelWriting();
    }
    return file.commit();
}

QString PrintableText(const QString& text) {
    QString printable;
    printable.reserve(text.size());
    for (QChar c : text) {
        if (c.category() != QChar::Other_Control) {
            printable.append(c);
        }
    }
    return printable;
}
