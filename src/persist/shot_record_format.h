#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

#include "persist/shot_row.h"

// The lines of the record of shots, results.csv: UTF-8 with a byte-order mark, CR LF line ends,
// comma-separated fields, quoted where they must be, so that a spreadsheet on a Japanese desktop
// opens it as it is.

inline constexpr const char* kShotRecordFile = "results.csv";
inline constexpr QByteArrayView kUtf8Bom = "\xEF\xBB\xBF";

// The byte-order mark and the header line, with its line end.
QByteArray ShotRecordHeader();
// One shot as one line, with its line end. The name loses its control characters; one that a
// spreadsheet would run as a formula gets a leading apostrophe, which the reader takes away.
QByteArray ShotRecordLine(const ShotRow& row);
// One line without its line end back as a shot; nullopt when it is damaged: a wrong number of
// fields, a field that is no number where one belongs, a date, result or angle that cannot be.
std::optional<ShotRow> ParseShotRecordLine(QByteArrayView line);
