#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Reading and writing the lines of a data file: code page 932, lines ended by CR LF.

// Bytes of a line that count; the rest of a longer line is skipped.
inline constexpr qsizetype kMaxLineBytes = 1024;

// The first `count` lines of the file (fewer when it has fewer), or nullopt when it cannot be
// opened. A line ends at CR LF, LF or CR; a last line without an end counts.
std::optional<QStringList> ReadDataLines(const QString& path, qsizetype count);

// Writes the lines as the whole file: a new file is written beside it and renamed over it, so
// a failure leaves the old file as it was. Control characters are dropped, so a line stays one
// line. False when the file could not be written.
bool WriteDataLines(const QString& path, const QStringList& lines);

// The text without control characters (line breaks, NULs, bytes that were no character).
QString PrintableText(const QString& text);
