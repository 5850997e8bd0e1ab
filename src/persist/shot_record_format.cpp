#include "persist/shot_record_format.h"

#include "persist/data_file_io.h"

#include <array>
#include <cstdlib>

namespace {
constexpr int kFieldCount = 10;
constexpr int kMaxAngle = 360;  // counted from the red line, either way round
constexpr QByteArrayView kHit = "命中";
constexpr QByteArrayView kMiss = "ミス";

// A spreadsheet runs a cell that begins with one of these as a formula.
bool StartsLikeFormula(const QString& text) {
    return !text.isEmpty() && QStringLiteral("=+-@").contains(text.front());
}

QByteArray CsvField(const QString& text) {
    QByteArray bytes = text.toUtf8();
    if (bytes.contains(',') || bytes.contains('"')) {
        bytes.replace("\"", "\"\"");
        return '"' + bytes + '"';
    }
    return bytes;
}

// The fields of one line; quotes as a spreadsheet writes them.
std::optional<std::array<QByteArrayView, kFieldCount>> SplitFields(QByteArrayView line,
                                                                   QByteArray& unquoted) {
    std::array<QByteArrayView, kFieldCount> fields;
    int count = 0;
    qsizetype i = 0;
    while (true) {
        if (count == kFieldCount) {
            return std::nullopt;
        }
        if (i < line.size() && line[i] == '"') {
            // Only the name is ever quoted: its unquoted text is kept aside.
            unquoted.clear();
            for (++i; i < line.size(); ++i) {
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        ++i;
                    } else {
                        break;
                    }
                }
                unquoted.append(line[i]);
            }
            if (i >= line.size()) {
                return std::nullopt;  // the closing quote is missing
            }
            ++i;
            fields[count++] = unquoted;
            if (i < line.size() && line[i] != ',') {
                return std::nullopt;
            }
        } else {
            const qsizetype end = line.indexOf(',', i);
            fields[count++] = line.sliced(i, (end < 0 ? line.size() : end) - i);
            i = end < 0 ? line.size() : end;
        }
        if (i >= line.size()) {
            break;
        }
        ++i;  // the comma
    }
    if (count != kFieldCount) {
        return std::nullopt;
    }
    return fields;
}

// A whole number of up to 9 digits, with an optional minus sign.
std::optional<int> Number(QByteArrayView text) {
    const bool negative = text.startsWith('-');
    const QByteArrayView digits = negative ? text.sliced(1) : text;
    if (digits.isEmpty() || digits.size() > 9) {
        return std::nullopt;
    }
    int value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

// "3.2" as 3200 ms; whole seconds also do.
std::optional<qint64> Seconds(QByteArrayView text) {
    const qsizetype dot = text.indexOf('.');
    const std::optional<int> whole = Number(dot < 0 ? text : text.first(dot));
    if (!whole || *whole < 0) {
        return std::nullopt;
    }
    if (dot < 0) {
        return qint64(*whole) * 1000;
    }
    const QByteArrayView tenths = text.sliced(dot + 1);
    if (tenths.size() != 1 || tenths[0] < '0' || tenths[0] > '9') {
        return std::nullopt;
    }
    return qint64(*whole) * 1000 + (tenths[0] - '0') * 100;
}

// "2026-12-10 14:03:27", fixed width.
bool ParseWhen(QByteArrayView text, ShotRow& row) {
    if (text.size() != 19 || text[4] != '-' || text[7] != '-' || text[10] != ' ' ||
        text[13] != ':' || text[16] != ':') {
        return false;
    }
    const auto part = [&](int from, int length) { return Number(text.sliced(from, length)); };
    const auto y = part(0, 4), mo = part(5, 2), d = part(8, 2);
    const auto h = part(11, 2), mi = part(14, 2), s = part(17, 2);
    if (!y || !mo || !d || !h || !mi || !s) {
        return false;
    }
    row.day = QDate(*y, *mo, *d);
    row.time = QTime(*h, *mi, *s);
    return row.day.isValid() && row.time.isValid();
}

QString NameFromField(QByteArrayView field) {
    QString name = QString::fromUtf8(field);
    if (name.size() > 1 && name.front() == u'\'' && StartsLikeFormula(name.sliced(1))) {
        name.remove(0, 1);
    }
    return name;
}
}  // namespace

QByteArray ShotRecordHeader() {
    return kUtf8Bom.toByteArray() +
           "日時,なまえ,レベル,ステージ,正しい角度,入力した角度,ずれ,結果,秒,とくてん\r\n";
}

QByteArray ShotRecordLine(const ShotRow& row) {
    // Without control characters a line stays one line, so that a line cut short never takes
    // the lines after it along, in this game's reader or a spreadsheet.
    const QString printable = PrintableText(row.name);
    const QString name = StartsLikeFormula(printable) ? u'\'' + printable : printable;
    const qint64 tenths = (row.elapsedMs + 50) / 100;
    QByteArray line;
    line.reserve(80);
    line += row.day.toString(Qt::ISODate).toLatin1() + ' ' +
            row.time.toString(Qt::ISODate).toLatin1() + ',';
    line += CsvField(name) + ',';
    for (int value : {row.level, row.stage, row.rightAngle, row.typedAngle, row.error()}) {
        line += QByteArray::number(value) + ',';
    }
    line += (row.hit ? kHit : kMiss).toByteArray() + ',';
    const std::lldiv_t seconds = std::lldiv(tenths, 10);
    line += QByteArray::number(seconds.quot) + '.' + QByteArray::number(seconds.rem) + ',';
    line += QByteArray::number(row.points) + "\r\n";
    return line;
}

std::optional<ShotRow> ParseShotRecordLine(QByteArrayView line) {
    QByteArray unquoted;
    const auto fields = SplitFields(line, unquoted);
    if (!fields) {
        return std::nullopt;
    }
    const auto& f = *fields;
    ShotRow row;
    if (!ParseWhen(f[0], row)) {
        return std::nullopt;
    }
    row.name = NameFromField(f[1]);
    const auto level = Number(f[2]), stage = Number(f[3]);
    const auto right = Number(f[4]), typed = Number(f[5]), error = Number(f[6]);
    const auto seconds = Seconds(f[8]);
    const auto points = Number(f[9]);
    const bool hit = f[7] == kHit;
    if (!level || !stage || !right || !typed || !error || !seconds || !points ||
        (!hit && f[7] != kMiss) || std::abs(*right) > kMaxAngle || std::abs(*typed) > kMaxAngle ||
        *error != *typed - *right) {
        return std::nullopt;
    }
    row.level = *level;
    row.stage = *stage;
    row.rightAngle = *right;
    row.typedAngle = *typed;
    row.hit = hit;
    row.elapsedMs = *seconds;
    row.points = *points;
    return row;
}
