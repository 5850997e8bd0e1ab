#include "app/display_scale.h"

#include <gtest/gtest.h>

TEST(WholeScaleFactor, TheSwitchWinsAndAnyOtherFactorBecomesWhole) {
    const QStringList none{"tezra"};
    EXPECT_EQ(WholeScaleFactor({"tezra", "--scale", "3"}, "1.5"), 3);
    EXPECT_EQ(WholeScaleFactor({"tezra", "--level", "2", "--scale=8"}, ""), 8);
    for (const char* bad : {"0", "9", "2.5", "two", "-1"}) {
        EXPECT_EQ(WholeScaleFactor({"tezra", "--scale", bad}, "1.5"), 2) << bad;
        EXPECT_EQ(WholeScaleFactor({"tezra", "--scale", bad}, ""), std::nullopt) << bad;
    }
    EXPECT_EQ(WholeScaleFactor(none, "1.25"), 1);
    EXPECT_EQ(WholeScaleFactor(none, "0.4"), 1);
    EXPECT_EQ(WholeScaleFactor(none, "2"), 2);
    EXPECT_EQ(WholeScaleFactor(none, "many"), std::nullopt);
    EXPECT_EQ(WholeScaleFactor(none, "0"), std::nullopt);
    EXPECT_EQ(WholeScaleFactor(none, "nan"), std::nullopt);
}
