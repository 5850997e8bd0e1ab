#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

#include "persist/cp932.h"

// Reading and writing the lines of a data file: code page 932, lines ended by CR LF.

// Bytes of a line that count; the rest of a longer line is skipped.
inline constexpr qsizetype kMaxLineBytes = 1024;

// Bytes of a file that are read at all: the files hold two short lines at most.
inline constexpr qint64 kMaxFileBytes = 4 * kMaxLineBytes;

// The first `count` lines among the file's first kMaxFileBytes (fewer when it has fewer), or
// nullopt when it is no regular file (a link, a pipe, a device, a folder) or cannot be opened. A
// line ends at CR LF, LF or CR; a last line without an end counts.
std::optional<QStringList> ReadDataLines(const QString& path, qsizetype count);

// One line in the file's code page, or nullopt when it cannot be encoded at all.
using LineEncoder = std::optional<QByteArray> (*)(QStringView line);

// Writes the lines as the whole file, as WriteRegularFile does (persist/regular_file.h). Control
// characters are dropped, so a line stays one line. Nothing is written without the code page. A
// failure returns false and says so in one line on standard error.
bool WriteDataLines(const QString& path, const QStringList& lines,
                    LineEncoder encode = TryEncodeCp932);

// The text without control characters (line breaks, NULs, bytes that were no character).
QString PrintableText(const QString& text);
