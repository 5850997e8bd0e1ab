#include <QPushButton>
#include <QTest>

#include "support/play_fixture.h"

// The touch keys, clicked where a finger lands, through the play window.
class KeypadTest : public PlayFixture {
  protected:
    KeypadTest() { run.settings.keypad = true; }
    void tap(const QString& keys) {
        for (QChar k : keys) {
            const QString name = k == 'c'   ? QString("keypadClear")
                                 : k == 'f' ? QString("keypadFire")
                                            : QString("keypad(%1)").arg(k);
            auto* key = play().screen.findChild<QPushButton*>(name);
            ASSERT_NE(key, nullptr) << name.toStdString();
            QTest::mouseClick(play().screen.windowHandle(), Qt::LeftButton, {},
                              key->mapTo(&play().screen, key->rect().center()));
        }
    }
};

TEST_F(KeypadTest, TheKeysTypeClearAndFireAsTheKeyboardDoes) {
    PlayProbe& s = start(1, 1);
    EXPECT_LE(s.screen.width(), 1024 - 16);  // fits a small projector, window frame included
    EXPECT_GE(s.screen.findChild<QPushButton*>("keypad(5)")->height(), 48);  // a child's finger
    tap("181");  // over 180 falls back to 0, as typed
    EXPECT_EQ(s.lblAngle->caption(), "0");
    tap("12c");
    EXPECT_EQ(s.lblAngle->caption(), "0");
    tap("f");  // nothing typed: nothing fired
    EXPECT_FALSE(s.tmrOugi->enabled());
    tap("90");
    EXPECT_EQ(s.lblAngle->caption(), "90");
    tap("f5");  // the fan starts, and a busy screen ignores the digit as it ignores a typed one
    EXPECT_TRUE(s.tmrOugi->enabled());
    EXPECT_EQ(s.lblAngle->caption(), "90");
}

TEST_F(KeypadTest, WithoutTheSettingThePlayWindowIsAsItWas) {
    run.settings.keypad = false;
    PlayProbe& s = start(1, 1);
    EXPECT_EQ(s.screen.size(), QSize(FrmTezra::kClientWidth, FrmTezra::kClientHeight));
    EXPECT_EQ(s.screen.findChild<QWidget*>("keypad"), nullptr);
}
