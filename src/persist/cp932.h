#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

// The data files are in Windows code page 932, the Shift-JIS variant Windows writes.

// The character written in place of one that the code page cannot hold.
inline constexpr char16_t kUnencodableSubstitute = u'？';

// Whether this Qt knows the code page at all; without it every text would come out empty.
bool IsCp932Available();

// The text in code page 932; a character it cannot hold becomes kUnencodableSubstitute.
QByteArray EncodeCp932(QStringView text);

// As EncodeCp932, or nullopt when this Qt lacks the code page.
std::optional<QByteArray> TryEncodeCp932(QStringView text);

// The bytes read as code page 932; bytes that are no character decode to a control character.
QString DecodeCp932(QByteArrayView bytes);

// Whether every character of the text has a place in code page 932.
bool IsCp932Encodable(QStringView text);
