#include <gtest/gtest.h>

#include <set>

#include "core/angle_picker.h"
#include "state/angles.h"
#include "state/game_state.h"
#include "state/random_source.h"
#include "support/scripted_random.h"

TEST(RoundHalfUp, RoundsHalvesUpwards) {
    const std::pair<double, int> cases[] = {{12.5, 13}, {12.4, 12},    {18.0, 18}, {14.9, 15},
                                            {14.5, 15}, {14.4999, 14}, {-2.5, -2}, {0.4, 0}};
    for (auto [x, expected] : cases) {
        EXPECT_EQ(RoundHalfUp(x), expected) << x;
    }
    EXPECT_THROW(RoundHalfUp(32767.5), std::overflow_error);
    EXPECT_THROW(RoundHalfUp(-40000), std::overflow_error);
}

TEST(AngleXY, UsesPiAsFivePlaces) {
    EXPECT_FLOAT_EQ(AngleX(310, 0), 310.0f);
    EXPECT_FLOAT_EQ(AngleY(310, 0), 0.0f);
    EXPECT_NEAR(AngleX(310, 90), 0.00041, 0.00002);  // not zero: pi is taken as 3.14159
    EXPECT_GT(AngleX(310, 90), 0.0f);
    EXPECT_FLOAT_EQ(AngleY(310, 90), 310.0f);
    EXPECT_FLOAT_EQ(AngleX(310, 180), -310.0f);
    EXPECT_NEAR(AngleY(310, 180), 0.00082, 0.00002);
}

namespace {
PickContext Avoiding(AngleGrid grid, std::array<int, 3> avoid = {}) {
    return {grid, avoid, 1, 1, {}};
}
}  // namespace

TEST(RandomPicker, AvoidsTheExclusionsAndStaysOnTheGrid) {
    SeededRandom rnd(7);
    RandomPicker picker(rnd);
    std::set<int> seen;
    for (int i = 0; i < 3000; ++i) {
        const int a = picker.pick(Avoiding(kTensGrid, {90, 10, 180}));
        ASSERT_EQ(a % 10, 0);
        ASSERT_GE(a, 20);
        ASSERT_LE(a, 170);
        ASSERT_NE(a, 90);
        seen.insert(a);
    }
    EXPECT_EQ(seen.size(), 15u);  // every candidate from 20 to 170 but 90 comes up
}

TEST(RandomPicker, AGridWithoutAnglesGivesItsHighest) {
    SeededRandom rnd(1);
    RandomPicker picker(rnd);
    EXPECT_EQ(picker.pick(Avoiding({0, 10, 180})), 180);
    EXPECT_EQ(picker.pick(Avoiding({10, 180, 10})), 10);
    EXPECT_EQ(picker.pick(Avoiding({10, 10, 5})), 5);
}

TEST(RandomPicker, MapsTheDrawOntoTheCandidates) {
    // 10..170 has 17 candidates; u picks floor(1 + u * 17) * 10.
    ScriptedRandom rnd({0.0f, 0.999f, 0.5f});
    RandomPicker picker(rnd);
    const PickContext upTo170 = Avoiding(kTensGrid.withoutHighest());
    EXPECT_EQ(picker.pick(upTo170), 10);
    EXPECT_EQ(picker.pick(upTo170), 170);
    EXPECT_EQ(picker.pick(upTo170), 90);
}

TEST(RandomPicker, DrawsAgainUntilTheAngleIsAllowed) {
    ScriptedRandom rnd({0.0f, 0.0f, 0.06f});  // 10, 10, then 20
    RandomPicker picker(rnd);
    EXPECT_EQ(picker.pick(Avoiding(kTensGrid, {10, 0, 0})), 20);
    EXPECT_EQ(rnd.drawn(), 3);
}

TEST(SeededRandom, ConsecutiveDrawsAreIndependent) {
    SeededRandom rnd(42);
    float prev = rnd.next();
    int repeats = 0;
    for (int i = 0; i < 1000; ++i) {
        const float u = rnd.next();
        ASSERT_GE(u, 0.0f);
        ASSERT_LT(u, 1.0f);
        repeats += (u == prev);
        prev = u;
    }
    EXPECT_EQ(repeats, 0);
}

TEST(NearestSlot, SmallestDistanceLowerSlotOnTies) {
    using Distances = std::array<Int16, 3>;
    EXPECT_EQ(NearestSlot(Distances{200, 150, 150}), 1);
    EXPECT_EQ(NearestSlot(Distances{999, 999, 999}), 0);
    EXPECT_EQ(NearestSlot(Distances{290, 999, 999}), 0);
    EXPECT_EQ(NearestSlot(Distances{290, 287, 20}), 2);
}

TEST(DistanceBand, SeventyFiveUnitsPerBand) {
    EXPECT_EQ(DistanceBand(74), 0);
    EXPECT_EQ(DistanceBand(75), 1);
    EXPECT_EQ(DistanceBand(149), 1);
    EXPECT_EQ(DistanceBand(150), 2);
    EXPECT_EQ(DistanceBand(225), 3);
    EXPECT_EQ(DistanceBand(290), 3);
}
