#include "persist/number_text.h"

#include <charconv>
#include <cmath>
#include <string>

namespace {
bool IsDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// From 1e18 up no whole number fits our variables (nor the cast to 64 bits), below 1e-18 all
// rounds to 0; between, a double holds the value well.
constexpr int kDecadeLimit = 18;
constexpr int kExponentCap = 1'000'000;

struct LeadingNumber {
    bool negative = false;
    std::string digits;      // mantissa digits without the decimal point
    int integerDigits = 0;   // how many of them stand before the point
    long long exponent = 0;  // capped to +-kExponentCap
};

LeadingNumber ScanLeadingNumber(QStringView line) {
    LeadingNumber number;
    qsizetype i = 0;
    while (i < line.size() && (line[i] == u' ' || line[i] == u'\t')) {
        ++i;
    }
    if (i < line.size() && (line[i] == u'+' || line[i] == u'-')) {
        number.negative = line[i] == u'-';
        ++i;
    }
    for (; i < line.size() && IsDigit(line[i]); ++i) {
        number.digits += char(line[i].unicode());
    }
    number.integerDigits = int(number.digits.size());
    if (i < line.size() && line[i] == u'.') {
        for (++i; i < line.size() && IsDigit(line[i]); ++i) {
            number.digits += char(line[i].unicode());
        }
    }
    if (number.digits.empty() || i >= line.size()) {
        return number;
    }
    const QChar marker = line[i].toUpper();
    if (marker != u'E' && marker != u'D') {
        return number;
    }
    qsizetype j = i + 1;
    bool negativeExponent = false;
    if (j < line.size() && (line[j] == u'+' || line[j] == u'-')) {
        negativeExponent = line[j] == u'-';
        ++j;
    }
    long long exponent = 0;
    for (; j < line.size() && IsDigit(line[j]); ++j) {
        exponent = std::min<long long>(exponent * 10 + (line[j].unicode() - u'0'), kExponentCap);
    }
    number.exponent = negativeExponent ? -exponent : exponent;
    return number;
}

// Halves go to the even neighbour, whatever the floating-point environment says.
double RoundHalfToEven(double x) {
    const double below = std::floor(x);
    const double fraction = x - below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0)) {
        return below + 1.0;
    }
    return below;
}
}  // namespace

QString FormatWithSignPosition(std::int64_t value) {
    return value < 0 ? QString::number(value) : u' ' + QString::number(value);
}

std::optional<std::int64_t> ReadWholeNumber(QStringView line, std::int64_t min, std::int64_t max) {
    const LeadingNumber number = ScanLeadingNumber(line);
    const std::size_t firstNonZero = number.digits.find_first_not_of('0');
    double value = 0.0;
    if (firstNonZero != std::string::npos) {
        // The power of ten of the leading digit, plus one.
        const long long decade = number.integerDigits - (long long)firstNonZero + number.exponent;
        if (decade > kDecadeLimit) {
            return std::nullopt;
        }
        if (decade >= -kDecadeLimit) {
            const std::string text =
                number.digits.substr(firstNonZero) + 'e' +
                std::to_string(decade - (long long)(number.digits.size() - firstNonZero));
            std::from_chars(text.data(), text.data() + text.size(), value);
        }
    }
    const double rounded = RoundHalfToEven(number.negative ? -value : value);
    if (rounded < double(min) || rounded > double(max)) {
        return std::nullopt;
    }
    return std::int64_t(rounded);
}
