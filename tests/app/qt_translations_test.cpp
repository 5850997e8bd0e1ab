#include "app/qt_translations.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTranslator>

#include "support/qt_printers.h"

// The folder chooser of 「コピーを保存…」 and the buttons of Qt's dialogs, with the desktop in
// whatever language the tests run in.
TEST(QtJapanese, QtsOwnDialogsSpeakJapanese) {
    const QTemporaryDir none;
    EXPECT_EQ(InstallQtJapanese(*qApp, none.path()), nullptr);  // Qt's words stay English
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFile::exists(folder + "/qtbase_ja.qm")) {
        GTEST_SKIP() << "no qtbase_ja.qm in " << folder.toStdString()
                     << " (scripts/install-deps.sh test installs qt6-translations-l10n)";
    }
    const std::unique_ptr<QTranslator> translator(InstallQtJapanese(*qApp));
    ASSERT_NE(translator, nullptr);

    const QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), "キャンセル");
    QFileDialog chooser;
    chooser.setOption(QFileDialog::DontUseNativeDialog);
    chooser.setFileMode(QFileDialog::Directory);
    EXPECT_EQ(chooser.findChild<QLabel*>("lookInLabel")->text(), "アドレス:");
    const auto* box = chooser.findChild<QDialogButtonBox*>("buttonBox");
    EXPECT_EQ(box->button(QDialogButtonBox::Open)->text(), "選択(&C)");
    EXPECT_EQ(box->button(QDialogButtonBox::Cancel)->text(), "キャンセル");
}
