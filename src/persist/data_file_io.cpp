#include "persist/data_file_io.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstdio>

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

// The game plays on with what it holds in memory, but the player's loss must not go unnoticed.
bool ReportNotSaved(const QString& path, const QString& why) {
    std::fprintf(stderr, "Cannot save %s: %s\n", qUtf8Printable(path), qUtf8Printable(why));
    return false;
}
}  // namespace

std::optional<QStringList> ReadDataLines(const QString& path, qsizetype count) {
    // Checked before opening: a pipe blocks at open, a device may never end.
    if (!QFileInfo(path).isFile()) {
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray bytes = file.read(kMaxFileBytes);
    QStringList lines;
    QByteArray line;
    bool lineStarted = false;
    bool afterCr = false;
    for (qsizetype i = 0; i < bytes.size() && lines.size() < count; ++i) {
        const char c = bytes[i];
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
    if (lineStarted && lines.size() < count) {
        lines.append(DecodeCp932(line));
    }
    return lines;
}

bool WriteDataLines(const QString& path, const QStringList& lines, LineEncoder encode) {
    const QFileInfo existing(path);
    if (existing.exists() && !existing.isFile()) {
        // Writing in place would block on a pipe or feed a device; renaming over it would
        // destroy what someone put there.
        return ReportNotSaved(path, QStringLiteral("it is no regular file"));
    }
    QByteArray bytes;
    for (const QString& line : lines) {
        const std::optional<QByteArray> encoded = encode(PrintableText(line));
        if (!encoded) {
            return ReportNotSaved(path, QStringLiteral("this Qt lacks code page 932"));
        }
        bytes += *encoded + "\r\n";
    }
    QSaveFile file(path);
    // On a shared PC the folder may be closed to new files while the files stay writable.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly)) {
        return ReportNotSaved(path, file.errorString());
    }
    // Qt 6.4's commit() renames the new file over the old one even after a failed write (a full
    // disk), and reports success for a file written in place whatever happened, so the writing
    // is checked here, down to the disk.
    if (file.write(bytes) != bytes.size() || !file.flush() || !SyncToDisk(file)) {
        const QString why = qt_error_string(errno);  // Qt's own message says "Unknown error" here
        file.cancelWriting();
        return ReportNotSaved(path, why);
    }
    return file.commit() || ReportNotSaved(path, file.errorString());
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
