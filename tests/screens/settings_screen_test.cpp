#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include "screens/frm_settings.h"
#include "support/kit_world.h"

namespace {

class SettingsScreenTest : public ::testing::Test {
  protected:
    FrmSettings& open(const LessonSettings& settings, const QStringList& locked,
                      const QString& userFile) {
        world.nav.registerScreen(ScreenId::Settings, [=, this] {
            return std::make_unique<FrmSettings>(world.services, settings, locked, QStringList{},
                                                 userFile);
        });
        auto* screen = static_cast<FrmSettings*>(world.nav.load(ScreenId::Settings));
        world.nav.show(screen);
        return *screen;
    }

    template <typename W = QAbstractButton>
    W& control(const FrmSettings& screen, const QString& name) {
        W* found = screen.findChild<W*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return *found;
    }

    // Clicks a check box on its box, a button in its middle.
    void click(const FrmSettings& screen, const QString& name) {
        QAbstractButton& button = control(screen, name);
        const QPoint where = qobject_cast<QPushButton*>(&button) ? button.rect().center()
                                                                 : QPoint(6, button.height() / 2);
        QTest::mouseClick(&button, Qt::LeftButton, Qt::NoModifier, where);
    }

    QTemporaryDir dir;
    KitWorld world;
};

}  // namespace

TEST_F(SettingsScreenTest, OkSavesTheClickedSettingsAndLeavesTheLockedOneToTheSchool) {
    LessonSettings given;
    given.volume = 60;  // the school's
    FrmSettings& screen = open(given, {"volume"}, dir.filePath("Tezra/tezra.conf"));
    QSignalSpy saved(&screen, &FrmSettings::saved);
    QSignalSpy closed(&screen, &FrmSettings::closed);
    EXPECT_EQ(screen.caption(), "先生の設定");

    const auto& volume = control<QSpinBox>(screen, "spnVolume");
    EXPECT_EQ(volume.value(), 60);
    EXPECT_FALSE(volume.isEnabled());
    const auto& reason = control<QLabel>(screen, "lblLocked(volume)");
    EXPECT_EQ(reason.text(), "学校の設定");
    EXPECT_TRUE(reason.isVisible());
    EXPECT_TRUE(control(screen, "chkMute").isEnabled());
    EXPECT_EQ(screen.findChildren<QLabel*>(QRegularExpression("^lblLocked")).size(), 1);
    for (const QWidget* w : screen.findChildren<QWidget*>()) {
        if (qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QSpinBox*>(w)) {
            EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
        }
    }
    if (const QString folder = qEnvironmentVariable("TEZRA_ART_PREVIEW"); !folder.isEmpty()) {
        EXPECT_TRUE(QDir().mkpath(folder));
        EXPECT_TRUE(screen.grab().save(folder + "/settings_locked_volume.png"));
    }

    click(screen, "chkMute");
    click(screen, "chkLevel(3)");
    click(screen, "chkCalm");
    click(screen, "chkCalm");
    click(screen, "cmdOk");

    ASSERT_EQ(closed.size(), 1);
    ASSERT_EQ(saved.size(), 1);
    const auto settings = saved[0][0].value<LessonSettings>();
    EXPECT_TRUE(settings.mute);
    EXPECT_FALSE(settings.calm);
    EXPECT_EQ(settings.levels, (std::set<int>{1, 2}));
    const QSettings file(dir.filePath("Tezra/tezra.conf"), QSettings::IniFormat);
    EXPECT_EQ(file.allKeys(), (QStringList{"levels", "mute"}));
    EXPECT_EQ(file.value("mute").toString(), "true");
}

TEST_F(SettingsScreenTest, AFileThatCannotBeWrittenIsShownAndTheScreenStaysOpen) {
    QFile blocker(dir.filePath("config"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));  // a file where the folder should be
    const QString userFile = dir.filePath("config/Tezra/tezra.conf");
    FrmSettings& screen = open(LessonSettings{}, {}, userFile);
    QSignalSpy closed(&screen, &FrmSettings::closed);
    const auto& error = control<QLabel>(screen, "lblError");
    EXPECT_TRUE(error.text().isEmpty());

    click(screen, "chkKeypad");
    click(screen, "cmdOk");
    EXPECT_TRUE(closed.isEmpty());
    EXPECT_TRUE(screen.isVisible());
    EXPECT_TRUE(error.text().startsWith("設定を保存できません。")) << error.text().toStdString();
    EXPECT_EQ(error.toolTip(), userFile);
    if (const QString folder = qEnvironmentVariable("TEZRA_ART_PREVIEW"); !folder.isEmpty()) {
        EXPECT_TRUE(screen.grab().save(folder + "/settings_not_saved.png"));
    }

    // Every level unticked cannot be saved either.
    for (const char* level : {"chkLevel(1)", "chkLevel(2)", "chkLevel(3)"}) {
        click(screen, level);
    }
    click(screen, "cmdOk");
    EXPECT_TRUE(error.text().contains("レベル")) << error.text().toStdString();

    QTest::keyClick(&screen, Qt::Key_Escape);
    EXPECT_EQ(closed.size(), 1);
}
