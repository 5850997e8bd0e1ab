#include <QPushButton>
#include <QTest>

#include "support/play_fixture.h"

// The touch keys, clicked where a finger lands, through the play window.
class KeypadTest : public PlayFixture {
  protected:
    KeypadTest() { run.settings.keypad = true; }

    void tap(const char* name) {
        auto* key = play().screen.findChild<QPushButton*>(name);
        ASSERT_NE(key, nullptr) << name;
        QWidget* window = key->window();
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                          key->mapTo(window, key->rect().center()));
    }
    void tapDigits(const QString& digits) {
        for (QChar d : digits) {
            tap(qPrintable(QString("keypad(%1)").arg(d)));
        }
    }
};

TEST_F(KeypadTest, TheKeysTypeClearAndFireAsTheKeyboardDoes) {
    queueAngles({90});
    PlayProbe& s = start(1, 1);
    const QSize window = s.screen.size();
    EXPECT_LE(window.width(), 1024 - 16);  // fits a small projector with its frame
    EXPECT_LE(window.height(), 768 - 48);
    EXPECT_GE(s.screen.findChild<QPushButton*>("keypad(5)")->height(), 48);  // a child's finger

    tapDigits("181");  // over 180 falls back to 0, as typed
    EXPECT_EQ(s.lblAngle->caption(), "0");
    tapDigits("12");
    tap("keypadClear");
    EXPECT_EQ(s.lblAngle->caption(), "0");
    tap("keypadFire");  // nothing typed: nothing fired
    EXPECT_FALSE(s.tmrOugi->enabled());

    tapDigits("90");
    EXPECT_EQ(s.lblAngle->caption(), "90");
    EXPECT_EQ(s.screen.focusWidget(), s.cmdShoot);  // a tap never takes the fire button's focus
    tap("keypadFire");
    EXPECT_TRUE(s.tmrOugi->enabled());
    EXPECT_TRUE(s.model.busy());
    tapDigits("5");  // busy: ignored as the keyboard's digits are
    EXPECT_EQ(s.lblAngle->caption(), "90");
}

TEST_F(KeypadTest, WithoutTheSettingThePlayWindowIsAsItWas) {
    run.settings.keypad = false;
    PlayProbe& s = start(1, 1);
    EXPECT_EQ(s.screen.size(), QSize(FrmTezra::kClientWidth, FrmTezra::kClientHeight));
    EXPECT_EQ(s.screen.findChild<QWidget*>("keypad"), nullptr);
}
