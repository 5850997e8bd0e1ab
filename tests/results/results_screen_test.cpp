#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QtMath>

#include "results/frm_results.h"
#include "results/sample_shots.h"

namespace {
const QDateTime kNow(QDate(2026, 12, 10), QTime(15, 0));

struct ResultsScreenTest : ::testing::Test {
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(WriteRecord(path, ClassSession(kNow.date())));
    }
    FrmResults& open() {
        screen = std::make_unique<FrmResults>(path, kNow);
        screen->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(screen.get()));
        return *screen;
    }
    template <typename W>
    W* find(const char* name) {
        W* widget = screen->findChild<W*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QStringList tableColumn(int column) {
        auto* table = find<QTableWidget>("tblNames");
        QStringList cells;
        for (int row = 0; row < table->rowCount(); ++row) {
            cells.append(table->item(row, column)->text());
        }
        return cells;
    }
    // Saved where TEZRA_SCREENSHOT_DIR says, for a person to look at.
    void keepScreenshot(const QString& name) {
        const QString folder = qEnvironmentVariable("TEZRA_SCREENSHOT_DIR");
        if (!folder.isEmpty()) {
            screen->grab().save(QDir(folder).filePath(name));
        }
    }

    QTemporaryDir dir;
    QString path = dir.filePath("results.csv");
    std::unique_ptr<FrmResults> screen;
};
}  // namespace

TEST_F(ResultsScreenTest, ShowsTheSessionByAngleAndByNameAndFiltersIt) {
    FrmResults& results = open();
    EXPECT_EQ(results.windowTitle(), "きろく");
    EXPECT_EQ(tableColumn(0), (QStringList{"たろう", "ゆき"}));
    EXPECT_EQ(tableColumn(1), (QStringList{"20回", "20回"}));
    EXPECT_TRUE(find<QLabel>("lblPath")->text().contains(path));
    EXPECT_FALSE(find<QLabel>("lblDamaged")->isVisible());
    EXPECT_FALSE(find<QLabel>("lblProblem")->isVisible());

    // The picture: each sector in the colour of its share of hits, grey where none was fired.
    auto* chart = find<ProtractorChart>("picChart");
    const QImage picture = chart->grab().toImage();
    for (const AngleFigures& a : results.figures().angles) {
        SCOPED_TRACE(a.angle);
        // Between the white middle and the labels, on the sector's middle line.
        const double r = chart->radius() * (kChartInnerShare + 0.12);
        const double middle = qDegreesToRadians(a.angle - 5.0);
        const QPointF point =
            chart->centre() + QPointF(r * std::cos(middle), -r * std::sin(middle));
        const QColor shown = picture.pixelColor((point * picture.devicePixelRatio()).toPoint());
        const QColor want = HitShareColour(a);
        EXPECT_LE(std::abs(shown.red() - want.red()) + std::abs(shown.green() - want.green()) +
                      std::abs(shown.blue() - want.blue()),
                  6);
    }
    EXPECT_EQ(results.figures().angles[0].shots, 0);  // 10°: never asked
    EXPECT_EQ(HitShareColour(results.figures().angles[0]), QColor(205, 205, 205));
    keepScreenshot("results-everyone.png");

    // A name, chosen with the keyboard as a teacher might.
    auto* names = find<QComboBox>("cboName");
    names->setFocus();
    QTest::keyClick(names, Qt::Key_Down);
    EXPECT_EQ(names->currentText(), "たろう");
    EXPECT_EQ(tableColumn(0), QStringList{"たろう"});
    EXPECT_EQ(results.figures().shots, 20);
    keepScreenshot("results-taro.png");

    // Today: ゆき played yesterday.
    QTest::keyClick(names, Qt::Key_Down);
    auto* today = find<QRadioButton>("optPeriod(0)");
    QTest::mouseClick(today, Qt::LeftButton);
    EXPECT_TRUE(today->isChecked());
    EXPECT_EQ(results.figures().shots, 0);
    EXPECT_EQ(tableColumn(0), QStringList{});
    QTest::mouseClick(find<QRadioButton>("optPeriod(2)"), Qt::LeftButton);
    EXPECT_EQ(results.figures().shots, 20);

    // Every control a teacher can reach says what it is.
    for (QWidget* widget : results.findChildren<QWidget*>()) {
        if (widget->focusPolicy() != Qt::NoFocus && widget->isVisible() &&
            !widget->parentWidget()->inherits("QAbstractScrollArea") &&
            !widget->inherits("QScrollBar")) {
            EXPECT_FALSE(widget->accessibleName().isEmpty()) << widget->objectName().toStdString();
        }
    }
}

TEST_F(ResultsScreenTest, SavesACopyOfTheWholeRecordWhereTheTeacherChose) {
    // A file the recorder moved aside last week.
    const ShotRow earlier = SampleShot(kNow.date().addDays(-7), "はな", 60, 60);
    ASSERT_TRUE(WriteRecord(dir.filePath("results-20261203-090000.csv"), {earlier}));
    FrmResults& results = open();
    EXPECT_EQ(tableColumn(0), (QStringList{"たろう", "はな", "ゆき"}));
    EXPECT_TRUE(find<QLabel>("lblPath")->text().contains("前のきろく1ファイル"));
    QTemporaryDir usb;
    QString answer;
    results.setFolderChooser([&answer](QWidget*) { return answer; });
    QTest::mouseClick(find<QPushButton>("cmdSaveCopy"), Qt::LeftButton);  // the dialog cancelled
    EXPECT_TRUE(QDir(usb.path()).isEmpty());

    answer = usb.path();
    QTest::mouseClick(find<QPushButton>("cmdSaveCopy"), Qt::LeftButton);
    QTest::mouseClick(find<QPushButton>("cmdSaveCopy"), Qt::LeftButton);  // never over the first
    const QStringList copies = QDir(usb.path()).entryList(QDir::Files, QDir::Name);
    ASSERT_EQ(copies, (QStringList{"tezra-results-20261210-150000-2.csv",
                                   "tezra-results-20261210-150000.csv"}));
    // One file, oldest first, with one header.
    QFile copy(QDir(usb.path()).filePath(copies[1]));
    QFile current(path);
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly) && current.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), ShotRecordHeader() + ShotRecordLine(earlier) +
                                  current.readAll().sliced(ShotRecordHeader().size()));
    EXPECT_TRUE(find<QLabel>("lblSaved")->text().contains(copies[0]));
}

TEST_F(ResultsScreenTest, SaysWhatItCouldNotRead) {
    QFile::remove(path);
    ASSERT_TRUE(QDir(dir.path()).mkdir("results.csv"));
    open();
    EXPECT_TRUE(find<QLabel>("lblProblem")->isVisible());
    EXPECT_TRUE(find<QLabel>("lblProblem")->text().contains("フォルダ"));
    EXPECT_FALSE(find<QPushButton>("cmdSaveCopy")->isEnabled());
    EXPECT_EQ(tableColumn(0), QStringList{});

    // Damaged lines: read around and counted, by file.
    ASSERT_TRUE(QDir(dir.path()).rmdir("results.csv"));
    QByteArray bytes = ShotRecordHeader() + "nonsense\r\n" +
                       ShotRecordLine(SampleShot(kNow.date(), "あ", 30, 30)) + "2026-12-10 1";
    ASSERT_TRUE(WriteBytes(path, bytes));
    ASSERT_TRUE(WriteBytes(dir.filePath("results-20261203-090000.csv"),
                           ShotRecordHeader() + "2026-12-03,\r\n"));
    screen->reload();
    EXPECT_FALSE(find<QLabel>("lblProblem")->isVisible());
    EXPECT_EQ(find<QLabel>("lblDamaged")->text(),
              "こわれた行が3行あったので、とばしました"
              "（results-20261203-090000.csv に1行、results.csv に2行）。");
    EXPECT_EQ(tableColumn(0), QStringList{"あ"});
}
