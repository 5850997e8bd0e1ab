#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "persist/number_text.h"

namespace {
constexpr std::int64_t kMin32 = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kMax32 = std::numeric_limits<std::int32_t>::max();

struct NumberCase {
    const char16_t* line;
    std::int64_t expected;
};

TEST(ReadWholeNumber, ReadsTheNumberAtTheStartOfTheLine) {
    const NumberCase cases[] = {
        {u" 1250", 1250},
        {u"1250", 1250},
        {u"\t 7", 7},
        {u"-5", -5},
        {u"+12", 12},
        {u"0", 0},
        {u"", 0},
        {u"ずび", 0},
        {u"12abc", 12},
        {u"1 2", 1},
        {u"3.7", 4},
        {u"-3.7", -4},
        {u"1.5E3", 1500},
        {u"1.5e+3x", 1500},
        {u"25e-1", 2},
        {u"2D1", 20},
        {u"1E", 1},
        {u"1e+", 1},
        {u".5", 0},
        {u".51", 1},
        {u"5.", 5},
        {u"-", 0},
        {u".", 0},
        {u"0e999999999999", 0},
        {u"1e-99999", 0},
        {u"0001.000", 1},
        {u"2147483647", kMax32},
        {u"-2147483648", kMin32},
    };
    for (const NumberCase& c : cases) {
        EXPECT_EQ(ReadWholeNumber(QStringView(c.line), kMin32, kMax32), c.expected)
            << QString::fromUtf16(c.line).toStdString();
    }
}

TEST(ReadWholeNumber, RoundsHalvesToEven) {
    const NumberCase cases[] = {{u"0.5", 0},  {u"1.5", 2},   {u"2.5", 2},
                                {u"-0.5", 0}, {u"-1.5", -2}, {u"-2.5", -2}};
    for (const NumberCase& c : cases) {
        EXPECT_EQ(ReadWholeNumber(QStringView(c.line), kMin32, kMax32), c.expected)
            << QString::fromUtf16(c.line).toStdString();
    }
}

TEST(ReadWholeNumber, ANumberOutsideTheRangeIsNoValue) {
    for (const char16_t* line : {u"2147483648", u"-2147483649", u"99999999999", u"1e10",
                                 u"1e99999999999999999999", u"2147483647.5"}) {
        EXPECT_EQ(ReadWholeNumber(QStringView(line), kMin32, kMax32), std::nullopt)
            << QString::fromUtf16(line).toStdString();
    }
    EXPECT_EQ(ReadWholeNumber(u"32767.5", -32768, 32767), std::nullopt);  // rounds to 32768
    EXPECT_EQ(ReadWholeNumber(u"32766.5", -32768, 32767), 32766);
    EXPECT_EQ(ReadWholeNumber(QString(100000, u'9'), kMin32, kMax32), std::nullopt);
}

TEST(FormatWithSignPosition, LeavesABlankWhereTheMinusWouldGo) {
    EXPECT_EQ(FormatWithSignPosition(1250), " 1250");
    EXPECT_EQ(FormatWithSignPosition(0), " 0");
    EXPECT_EQ(FormatWithSignPosition(-5), "-5");
}
}  // namespace
