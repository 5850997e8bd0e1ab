#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

// A number as the game writes it: a blank in the sign position when it is not negative
// (" 1250", " 0", "-5").
QString FormatWithSignPosition(std::int64_t value);

// The number at the start of a line, rounded to a whole number with halves to even, or nullopt
// when that whole number lies outside [min, max] (a range within +-1e18).
//
// The number is read the way a leading-number parse reads it: blanks and tabs before it are
// skipped; then an optional sign, digits with an optional decimal point ("12", "1.5", ".5"),
// and an optional exponent ("E3", "e-2", also "D3"); it ends at the first character that cannot
// belong to it. A line that does not start with a number reads as 0. The decimal is first taken
// to the nearest double, then rounded.
std::optional<std::int64_t> ReadWholeNumber(QStringView line, std::int64_t min, std::int64_t max);
