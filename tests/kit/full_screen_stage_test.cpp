#include "kit/full_screen_stage.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <QWindow>

#include "kit/screen.h"
#include "state/screen_id.h"
#include "support/kit_world.h"

namespace {
// A screen with one button that counts its clicks, and a log of the keys it previews.
class Panel : public Screen {
  public:
    Panel(Services& s, ScreenId id) : Screen(s, id, "panel") {
        setKeyPreview(true);
        button = new QPushButton("OK", this);
        button->setGeometry(40, 30, 60, 24);
        connect(button, &QPushButton::clicked, this, [this] { ++clicks; });
        sizeAndCentre(200, 120);
    }
    void Form_KeyDown(int code, int /*shift*/) override { keys.push_back(code); }

    QPushButton* button;
    int clicks = 0;
    std::vector<int> keys;
};

class FullScreenTest : public ::testing::Test, protected KitWorld {
  protected:
    FullScreenTest() {
        for (ScreenId id : {ScreenId::Play, ScreenId::GameOver}) {
            nav.registerScreen(id,
                               [id, &s = services]() { return std::make_unique<Panel>(s, id); });
        }
    }
    Panel& load(ScreenId id) { return static_cast<Panel&>(*nav.load(id)); }
    QWindow* stageWindow() const { return nav.stage()->windowHandle(); }
    // A click where the stage shows the panel's button.
    void clickButtonOnStage(const Panel& panel) {
        const QPoint centre = panel.button->mapToGlobal(panel.button->rect().center());
        QTest::mouseClick(stageWindow(), Qt::LeftButton, {},
                          nav.stage()->toStage(centre).toPoint());
    }
};
}  // namespace

TEST(FullScreenFactor, IsTheLargestWholeFactorThatFitsTheDisplay) {
    EXPECT_EQ(FullScreenStage::WholeFactor({634, 449}, {1920, 1080}), 2);
    EXPECT_EQ(FullScreenStage::WholeFactor({461, 346}, {1920, 1080}), 3);
    EXPECT_EQ(FullScreenStage::WholeFactor({640, 360}, {1920, 1080}), 3);
    EXPECT_EQ(FullScreenStage::WholeFactor({634, 449}, {3840, 2160}), 4);
    EXPECT_EQ(FullScreenStage::WholeFactor({634, 449}, {800, 600}), 1);
    EXPECT_EQ(FullScreenStage::WholeFactor({2000, 100}, {1920, 1080}), 1);
}

TEST_F(FullScreenTest, F11OnAScreenGoesFullScreenAndF11OnTheStageComesBack) {
    Panel& panel = load(ScreenId::Play);
    nav.show(&panel);
    QTest::keyClick(panel.windowHandle(), Qt::Key_F11);
    ASSERT_NE(nav.stage(), nullptr);
    EXPECT_TRUE(nav.stage()->isVisible());
    EXPECT_TRUE(nav.stage()->isFullScreen());
    EXPECT_TRUE(panel.keys.empty());

    QTest::keyClick(stageWindow(), Qt::Key_F11);
    EXPECT_FALSE(nav.stage()->isVisible());
    EXPECT_TRUE(panel.isVisible());
    EXPECT_TRUE(panel.keys.empty());
}

TEST_F(FullScreenTest, ClicksAndKeysOnTheEnlargedPictureReachTheTopScreenEvenAModalOne) {
    Panel& panel = load(ScreenId::Play);
    nav.show(&panel);
    nav.toggleFullScreen();
    clickButtonOnStage(panel);
    EXPECT_EQ(panel.clicks, 1);

    Panel& modal = load(ScreenId::GameOver);
    nav.showModal(&modal, &panel);
    modal.move(modal.pos() + QPoint(150, 0));  // off the panel's button
    clickButtonOnStage(modal);
    QTest::keyClick(stageWindow(), Qt::Key_A);
    EXPECT_EQ(modal.clicks, 1);
    EXPECT_EQ(modal.keys, std::vector<int>{Qt::Key_A});
    EXPECT_EQ(panel.clicks, 1);
    EXPECT_TRUE(panel.keys.empty());
}

TEST_F(FullScreenTest, TheStageGoesWithTheProgram) {
    Panel& panel = load(ScreenId::Play);
    nav.show(&panel);
    nav.toggleFullScreen();
    nav.endProgram();
    EXPECT_FALSE(nav.stage()->isVisible());
}
