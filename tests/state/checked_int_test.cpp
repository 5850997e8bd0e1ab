#include <gtest/gtest.h>

#include "state/checked_int.h"

TEST(CheckedInt, SixteenBitArithmeticThrowsInsteadOfWrapping) {
    Int16 top = 32767;
    EXPECT_THROW(top + 1, std::overflow_error);
    EXPECT_THROW(++top, std::overflow_error);
    Int16 bottom = -32768;
    EXPECT_THROW(bottom - 1, std::overflow_error);
    EXPECT_THROW(-bottom, std::overflow_error);
    EXPECT_THROW(Int16(200) * 200, std::overflow_error);
    EXPECT_THROW(Int16(40000), std::overflow_error);
    EXPECT_EQ(Int16(32766) + 1, 32767);
}

TEST(CheckedInt, ThirtyTwoBitArithmeticThrowsInsteadOfWrapping) {
    Int32 score = 2147483647;
    EXPECT_THROW(score += 1, std::overflow_error);
    EXPECT_EQ(score, 2147483647);  // a failed operation leaves the value as it was
    EXPECT_THROW(Int32(-2147483647) - 2, std::overflow_error);
    EXPECT_EQ(Int32(70000) * 3, 210000);  // beyond 16 bits is fine for 32-bit values
}

TEST(CheckedInt, ReadsAndComparesLikeAPlainInteger) {
    Int16 a = 10;
    Int16 b = 20;
    EXPECT_LT(a, b);
    EXPECT_EQ(a * 10 + b, 120);
    EXPECT_EQ(b / 3, 6);
    a -= 15;
    EXPECT_EQ(a, -5);
}
