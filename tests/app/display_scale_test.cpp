#include "app/display_scale.h"

#include <gtest/gtest.h>

#include "app/command_line.h"
#include "play/frm_tezra.h"

TEST(WholeScaleFactor, TheSwitchWinsAndAnyOtherFactorBecomesWhole) {
    EXPECT_EQ(WholeScaleFactor(3, "1.5"), 3);
    EXPECT_EQ(WholeScaleFactor(std::nullopt, "1.5"), 2);
    EXPECT_EQ(WholeScaleFactor(std::nullopt, "1.25"), 1);
    EXPECT_EQ(WholeScaleFactor(std::nullopt, "0.4"), 1);
    EXPECT_EQ(WholeScaleFactor(std::nullopt, ""), std::nullopt);
    EXPECT_EQ(WholeScaleFactor(std::nullopt, "many"), std::nullopt);
    EXPECT_EQ(WholeScaleFactor(std::nullopt, "0"), std::nullopt);
    EXPECT_EQ(WholeScaleFactor(std::nullopt, "nan"), std::nullopt);
}

TEST(FittingScale, TheLargestWholeFactorAtWhichThePlayWindowAndItsFrameFit) {
    const QSize play = FrmTezra::ClientSize(false);
    EXPECT_EQ(FittingScale(3, {1920, 1040}, play), 2);  // a full-HD screen less a panel: too low
    EXPECT_EQ(FittingScale(2, {1920, 1040}, play), 2);
    EXPECT_EQ(FittingScale(3, {1024, 768}, play), 1);
    EXPECT_EQ(FittingScale(8, {3840, 2160}, play), 4);
    EXPECT_EQ(FittingScale(2, {634 * 2 + 15, 2000}, play), 1);  // one pixel short of a frame
    EXPECT_EQ(FittingScale(3, {200, 100}, play), 1);            // never below one
    // The touch keys widen the window: twice as large it no longer fits where it did.
    EXPECT_EQ(FittingScale(2, {1600, 1000}, play), 2);
    EXPECT_EQ(FittingScale(2, {1600, 1000}, FrmTezra::ClientSize(true)), 1);
}

TEST(GameCommandLine, ReadsItsSwitchesAndIgnoresEverythingElse) {
    const GameCommandLine none(
        {"tezra", "%U", "--launcher-option", "-platform", "xcb", "-reverse"});
    EXPECT_FALSE(none.helpAsked());
    EXPECT_FALSE(none.versionAsked());
    EXPECT_FALSE(none.startsAtPlay());
    EXPECT_EQ(none.settings({}).settings.scale, std::nullopt);

    const GameCommandLine play({"tezra", "--level", "9", "--stage=2", "--scale", "3"});
    EXPECT_TRUE(play.startsAtPlay());
    EXPECT_EQ(play.level(), 3);
    EXPECT_EQ(play.stage(), 2);
    EXPECT_EQ(play.settings({}).settings.scale, 3);
    EXPECT_TRUE(play.settings({}).switchError.isEmpty());
    for (const char* bad : {"0", "9", "2.5", "two"}) {
        EXPECT_FALSE(GameCommandLine({"tezra", "--scale", bad}).settings({}).switchError.isEmpty())
            << bad;
    }

    EXPECT_TRUE(GameCommandLine({"tezra", "--version", "file.txt"}).versionAsked());
    const GameCommandLine help({"tezra", "-h"});
    EXPECT_TRUE(help.helpAsked());
    for (const char* option : {"--scale <N>", "--level <N>", "--stage <N>", "--mute",
                               "--levels <list>", "--ask-name", "--help", "--version"}) {
        EXPECT_TRUE(help.helpText().contains(option)) << option;
    }
}
