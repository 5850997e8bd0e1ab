#pragma once

#include <QTest>

#include "persist/data_files.h"
#include "support/play_steps.h"

// Steps the game-over and all-clear tests share: where the player ends up after them.
class ResultScreenTest : public PlayStepsTest {
  protected:
    ResultScreenTest() {
        // A title that stays up, so that a test sees which screens are left around it.
        nav.registerScreen(ScreenId::Title, [this, &s = services]() {
            return std::make_unique<StandInScreen>(s, ScreenId::Title,
                                                   [this](StandInScreen&) { ++titleShows; });
        });
        nameEntries = recordShows(ScreenId::NameEntry, [](GameServices& s) {
            s.state.gHiScore = s.state.gScore;
            s.state.gScore = 300;
        });
    }
    void click(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton); }
    void altF4(Screen& screen) {
        QTest::keyClick(screen.windowHandle(), Qt::Key_F4, Qt::AltModifier);
    }
    // Only the title is left, shown once.
    void expectBackAtTheTitle() {
        EXPECT_EQ(titleShows, 1);
        EXPECT_TRUE(nav.isShown(ScreenId::Title));
        EXPECT_FALSE(nav.find(ScreenId::Play));
        EXPECT_FALSE(nav.find(ScreenId::GameOver));
        EXPECT_FALSE(nav.find(ScreenId::AllClear));
        EXPECT_FALSE(nav.ended());
    }

    int titleShows = 0;
    Shows nameEntries;
};
