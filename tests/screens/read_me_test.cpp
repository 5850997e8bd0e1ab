#include <QPushButton>
#include <QTest>

#include "screens/frm_first_msg.h"
#include "support/play_steps.h"

namespace {

class ReadMeTest : public PlayStepsTest {
  protected:
    FrmFirstMsg& showReadMe() {
        auto* readMe = static_cast<FrmFirstMsg*>(nav.load(ScreenId::ReadMe));
        nav.show(readMe);
        return *readMe;
    }
    // The invader's place and pose, and the sign's place.
    struct Walk {
        int x, pose, signX;
        bool operator==(const Walk&) const = default;
    };
    Walk walk(const FrmFirstMsg& s) {
        const QImage shown = s.imgInv->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        int pose = -1;
        for (int p = 0; p < 2; ++p) {
            if (shown == state.gInvPictures[0][p].convertToFormat(QImage::Format_ARGB32)) {
                pose = p;
            }
        }
        return {s.imgInv->x(), pose, s.lblReadMe->x()};
    }
};

}  // namespace

TEST_F(ReadMeTest, ShowsItsTextUnderTheWalkingInvaderThatWrapsAround) {
    FrmFirstMsg& s = showReadMe();
    EXPECT_EQ(s.size(), QSize(461, 346));
    EXPECT_EQ(s.windowType(), Qt::Dialog);
    EXPECT_TRUE(s.windowFlags() & Qt::WindowTitleHint);
    EXPECT_EQ(s.caption(), "Tezra [読んでね]");
    EXPECT_EQ(s.lblReadMe->caption(), "\u3000読\u3000ん\u3000で\u3000ね\u3000");
    EXPECT_EQ(s.lblReadMe->size(), s.lblReadMe->sizeHint());
    EXPECT_EQ(s.focusWidget(), s.cmdOk);
    // Three paragraphs, the last after an empty line, each indented by an ideographic space.
    const QStringList lines = s.lblMsg[0]->caption().split("\r\n");
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[2].isEmpty());
    for (int i : {0, 1, 3}) {
        EXPECT_TRUE(lines[i].startsWith(u'\u3000')) << i;
    }
    EXPECT_TRUE(lines[3].contains("は，  10゜，20゜，30゜，･･･，180゜")) << lines[3].toStdString();
    EXPECT_EQ(walk(s), (Walk{108, 0, 160}));
    EXPECT_TRUE(s.imgInv->isVisible());

    clock.advance(300);
    EXPECT_EQ(walk(s), (Walk{108, 0, 160}));
    clock.advance(300);
    EXPECT_EQ(walk(s), (Walk{102, 1, 154}));
    clock.advance(56 * 300);  // the last step before the wrap
    EXPECT_EQ(walk(s), (Walk{-234, 1, -182}));
    clock.advance(300);  // in again at the panel's right edge
    EXPECT_EQ(walk(s), (Walk{457, 0, 509}));
    clock.advance(300);
    EXPECT_EQ(walk(s), (Walk{451, 1, 503}));
}

TEST_F(ReadMeTest, OkClicksAndLeadsToTheBriefing) {
    state.gLevel = 2;
    state.gStage = 1;
    FrmFirstMsg& s = showReadMe();
    QTest::keyClick(s.windowHandle(), Qt::Key_Return);  // the focused "ＯＫ"
    // The click first; then the briefing, with a device of its own.
    const QString popi = "FileName=" + state.gAppDir + "wav_popi.wav";
    EXPECT_EQ(sound.commandsOf("mmcPopi"),
              (std::vector<QString>{popi, "flag=False", "sound", popi}));
    EXPECT_EQ(nav.find(ScreenId::ReadMe), nullptr);
    EXPECT_TRUE(nav.isShown(ScreenId::Briefing));
}

TEST_F(ReadMeTest, EndQuitsAtOnceWithoutAClick) {
    state.gScore = 500;  // no name entry: nothing has been scored in this run yet
    const Shows entries = recordShows(ScreenId::NameEntry);
    FrmFirstMsg& s = showReadMe();
    QTest::mouseClick(s.cmdEnd, Qt::LeftButton);
    EXPECT_TRUE(nav.ended());
    EXPECT_TRUE(entries->empty());
    const auto popi = sound.commandsOf("mmcPopi");
    EXPECT_EQ(std::count(popi.begin(), popi.end(), "sound"), 0);
}
