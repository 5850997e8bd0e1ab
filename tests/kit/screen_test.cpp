#include <gtest/gtest.h>

#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTest>
#include <QVBoxLayout>

#include "kit/controls.h"
#include "kit/field_canvas.h"
#include "kit/fonts.h"
#include "kit/navigator.h"
#include "kit/screen.h"
#include "state/game_state.h"
#include "state/screen_id.h"
#include "support/kit_world.h"
#include "support/qt_printers.h"

namespace {
// A screen whose button clicks and then leaves, as the game's buttons do.
class Clicker : public Screen {
  public:
    Clicker(GameServices& s, ScreenId id) : Screen(s, id, "clicker") {
        mmcPopi = s.sound.create(DeviceType::WaveAudio, "mmcPopi");
        cmdOk = MakeButton(this, "cmdOk", "ＯＫ", {10, 10, 80, 30}, DefaultControlFont());
        connect(cmdOk, &QPushButton::clicked, this, [this] {
            mmcPopi->command(SoundCommand::Sound);
            nav().unload(this);
        });
    }
    std::unique_ptr<SoundDevice> mmcPopi;
    QPushButton* cmdOk;
};

class ScreenTest : public ::testing::Test, protected KitWorld {
  protected:
    ScreenTest() {
        for (ScreenId id : {ScreenId::Title, ScreenId::ReadMe}) {
            nav.registerScreen(id,
                               [id, &s = services]() { return std::make_unique<Clicker>(s, id); });
        }
    }
};
}  // namespace

TEST_F(ScreenTest, AClickPlaysToItsEndAfterItsScreenHasGone) {
    nav.load(ScreenId::Title);  // keeps the program running
    auto* screen = static_cast<Clicker*>(nav.load(ScreenId::ReadMe));
    nav.show(screen);
    QTest::mouseClick(screen->cmdOk, Qt::LeftButton);
    EXPECT_FALSE(nav.find(ScreenId::ReadMe));
    QCoreApplication::processEvents();         // the screen itself is gone now
    EXPECT_EQ(sound.liveCount("mmcPopi"), 1);  // the title's own device
    EXPECT_EQ(sound.sounding(), (std::vector<QString>{"mmcPopi"}));
    EXPECT_EQ(sound.endSound("mmcPopi"), 1);
    EXPECT_TRUE(sound.sounding().empty());
}

TEST_F(ScreenTest, WindowKindsAndCaptions) {
    Screen& screen = *nav.load(ScreenId::Title);
    screen.setCaption("");
    nav.show(&screen);
    EXPECT_EQ(screen.caption(), "");
    // Qt would show the program's name for an empty title; a zero-width space shows nothing.
    EXPECT_EQ(screen.windowTitle(), QStringLiteral("\u200B"));
    EXPECT_TRUE(screen.windowFlags() & Qt::WindowMinimizeButtonHint);

    screen.setWindowKind(WindowKind::Dialog);
    EXPECT_FALSE(screen.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(screen.windowType(), Qt::Dialog);

    QWidget area;
    area.setGeometry(100, 120, 631, 350);
    screen.setWindowKind(WindowKind::Borderless);
    screen.placeOver(area);
    EXPECT_TRUE(screen.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(screen.size(), QSize(631, 350));
    EXPECT_EQ(screen.pos(), area.mapToGlobal(QPoint(0, 0)));
}

TEST_F(ScreenTest, ALaidOutWindowGivesWayToASmallScreenAndStaysOnIt) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QSize large = area.size() + QSize(100, 100);
    Screen& screen = *nav.load(ScreenId::Title);
    screen.sizeAndCentre(large.width(), large.height());
    EXPECT_EQ(screen.size(), large);  // placed by pixels: drawn as designed, never squeezed
    EXPECT_EQ(screen.pos(), area.topLeft());

    auto* layout = new QVBoxLayout(&screen);
    layout->addWidget(new QTableWidget(&screen));
    screen.sizeAndCentre(large.width(), large.height());
    EXPECT_TRUE(area.contains(QRect(screen.pos(), screen.size() + Screen::kFrameAllowance)));
}

TEST(Controls, TheScreensLookAsDesigned) {
    const QFont title = PGothicFont(48, true, true);
    EXPECT_TRUE(title.bold() && title.italic());
    EXPECT_EQ(title.pixelSize(), 64);

    QWidget parent;
    GameLabel label(&parent, "lbl", "text", {0, 0, 50, 20}, GothicFont(9), Qt::black);
    label.setBorder(true);
    EXPECT_EQ(label.frameWidth(), 1);

    QImage picture(16, 16, QImage::Format_ARGB32);
    picture.fill(Qt::red);
    QPushButton* button =
        MakeButton(&parent, "cmd", "ＯＫ", {0, 0, 80, 30}, GothicFont(9), picture);
    EXPECT_FALSE(button->icon().isNull());
    EXPECT_EQ(button->iconSize(), QSize(16, 16));

    FieldCanvas bare(&parent, 449, 240, FieldCanvas::Frame::None);
    EXPECT_EQ(bare.size(), QSize(449, 240));
    FieldCanvas sunken(&parent, 631, 350);
    EXPECT_EQ(sunken.size(), QSize(635, 354));
}
