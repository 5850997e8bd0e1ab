#include "persist/data_file_io.h"

#include "persist/regular_file.h"

std::optional<QStringList> ReadDataLines(const QString& path, qsizetype count) {
    const std::optional<QByteArray> read = ReadRegularFile(path, kMaxFileBytes);
    if (!read) {
        return std::nullopt;
    }
    const QByteArray& bytes = *read;
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
    QByteArray bytes;
    for (const QString& line : lines) {
        const std::optional<QByteArray> encoded = encode(PrintableText(line));
        if (!encoded) {
            return ReportNotSaved(path, QStringLiteral("this Qt lacks code page 932"));
        }
        bytes += *encoded + "\r\n";
    }
    return WriteRegularFile(path, bytes);
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
