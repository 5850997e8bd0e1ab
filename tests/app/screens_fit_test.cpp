#include <QLayout>

#include "kit/screen.h"
#include "play/frm_tezra.h"
#include "support/play_fixture.h"

class ScreensFitTest : public PlayFixture {};

// --scale is lowered until the play window and its frame fit the screen; every other screen
// then fits as well, as none needs more room than the play window.
TEST_F(ScreensFitTest, NoScreenNeedsMoreRoomThanThePlayWindow) {
    start(1, 1);
    const QSize play = FrmTezra::ClientSize(false);
    for (int id = 0; id <= static_cast<int>(ScreenId::AskName); ++id) {
        Screen* screen = nav.load(static_cast<ScreenId>(id));
        ASSERT_NE(screen, nullptr) << id;
        // A laid-out screen gives way down to what its layout needs; any other keeps its size.
        const QSize least = screen->layout() ? screen->minimumSizeHint() : screen->size();
        // A window without a frame has the frame's room too.
        const QSize room =
            screen->windowFlags() & Qt::FramelessWindowHint ? play + Screen::kFrameAllowance : play;
        EXPECT_TRUE(least.width() <= room.width() && least.height() <= room.height())
            << screen->objectName().toStdString() << " needs " << least.width() << "x"
            << least.height();
    }
}
