#include "screens/frm_all_clear.h"
#include "screens/result_screen_steps.h"

namespace {

class AllClearTest : public ResultScreenTest {
  protected:
    // The last stage of the hard level has just been cleared.
    FrmAllClear& reachAllClear(int score) {
        restartEmpty(3, 3);
        state.gScore = score;
        play().BeginAllClear();
        return *static_cast<FrmAllClear*>(nav.find(ScreenId::AllClear));
    }
    // Which of the six lines are up: '+' shown, '-' hidden, '?' mixed.
    char lines(const FrmAllClear& s) {
        const auto up = std::count_if(s.lblMsg.begin(), s.lblMsg.end(),
                                      [&s](const QLabel* l) { return l->isVisibleTo(&s); });
        return up == 6 ? '+' : up == 0 ? '-' : '?';
    }
    int effectsSince(std::size_t mark) {
        int n = 0;
        for (const QString& line : soundsSince(mark)) {
            n += line.startsWith("mmcD(") && line.endsWith(": sound");
        }
        return n;
    }
    bool blank(const FrmAllClear& s) {
        QImage none(s.picPaint->sheet().size(), s.picPaint->sheet().format());
        none.fill(Qt::transparent);
        return s.picPaint->sheet() == none;
    }
    const std::vector<QString> fanfare{"mmcAllClear: flag=False", "mmcAllClear: sound"};
};

TEST_F(AllClearTest, FanfareAndLinesAfterHalfASecondThenPaintingBehindTheLines) {
    FrmAllClear& s = reachAllClear(900);
    EXPECT_EQ(s.background().pixel(3, 0), qRgb(0, 255, 255));
    auto mark = soundMark();
    advance(499);
    EXPECT_EQ(lines(s), '-');
    EXPECT_TRUE(soundsSince(mark).empty());
    std::string blink;
    for (int tick = 0; tick < 13; ++tick) {
        advance(tick == 0 ? 1 : 500);
        blink += lines(s);
        if (tick == 0) {
            EXPECT_EQ(soundsSince(mark), fanfare);
        }
    }
    EXPECT_EQ(blink, "+++-+++-+++-+");
    EXPECT_TRUE(s.tmrPaint->enabled());
    EXPECT_FALSE(s.tmrMsg->enabled());

    // The painting is a sheet under every line and button; the lines stay up over it.
    const QObjectList& order = s.children();
    const auto at = [&order](const QObject* o) { return order.indexOf(o); };
    EXPECT_EQ(s.picPaint->parent(), &s);
    for (const QPushButton* control : {s.cmdOk, s.cmdEnd}) {
        EXPECT_LT(at(s.picPaint), at(control));
    }
    const std::pair<int, int> shadows[] = {{0, 3}, {1, 5}, {2, 4}};
    for (const auto& [line, shadow] : shadows) {
        EXPECT_LT(at(s.picPaint), at(s.lblMsg[shadow]));
        EXPECT_LT(at(s.lblMsg[shadow]), at(s.lblMsg[line]));
    }
    advance(100 * 40);
    EXPECT_FALSE(blank(s));
    EXPECT_EQ(lines(s), '+');
}

TEST_F(AllClearTest, EachInvaderDrawsPoseColourPlaceThenItsEffect) {
    FrmAllClear& s = reachAllClear(900);
    advance(500 * 13);
    ASSERT_TRUE(s.tmrPaint->enabled());
    // Pose B, RGB(128, 64, 0), x = floor(6.68 - 32) = -26, y = floor(0.5 * (H + 33)) - 32, and
    // effect 3.
    draws().script({0.6f, 0.5f, 0.25f, 0.f, 0.01f, 0.5f, 0.5f});
    const auto mark = soundMark();
    advance(100);
    EXPECT_EQ(draws().scriptLeft(), 0u);
    EXPECT_EQ(soundsSince(mark), (std::vector<QString>{"mmcD(3): flag=False", "mmcD(3): sound"}));
    ASSERT_EQ(s.width(), 635);
    const int y = (s.height() + 33) / 2 - 32;
    const QImage& sheet = s.picPaint->sheet();
    // Row 5 of pose B: cells 8 and 10 filled, 9 empty.
    const int row = y + 5 * 4 + 1;
    EXPECT_EQ(sheet.pixel(14, row), qRgb(128, 64, 0));
    EXPECT_EQ(qAlpha(sheet.pixel(10, row)), 0);
    EXPECT_EQ(qAlpha(sheet.pixel(18, row)), 0);
}

TEST_F(AllClearTest, After150InvadersTheWipeThenTheFanfareAgain) {
    FrmAllClear& s = reachAllClear(900);
    advance(500 * 13);
    auto mark = soundMark();
    advance(100 * 150);
    EXPECT_EQ(effectsSince(mark), 150);
    EXPECT_EQ(run.allClearPaint, 150);
    EXPECT_FALSE(blank(s));

    mark = soundMark();
    advance(100);
    EXPECT_TRUE(blank(s));
    EXPECT_TRUE(soundsSince(mark).empty());
    EXPECT_EQ(run.allClearPaint, 0);
    EXPECT_FALSE(s.tmrPaint->enabled());
    advance(500);
    EXPECT_EQ(soundsSince(mark), fanfare);
}

TEST_F(AllClearTest, OkGoesBackToOneTitleAndThePlayScreenSetsTheScoreTo300) {
    FrmAllClear& s = reachAllClear(250);
    advance(1000);
    sound.clear();
    click(s.cmdOk);
    EXPECT_EQ(sound.commandsOf("mmcPopi"), (std::vector<QString>{"sound"}));
    EXPECT_EQ(sound.commandsOf("mmcAllClear").back(), "close");
    EXPECT_EQ(state.gScore, 300);
    EXPECT_EQ(nameEntries->size(), 0u);
    expectBackAtTheTitle();
}

TEST_F(AllClearTest, EndRecordsANewHighScoreThenEndsTheProgram) {
    click(reachAllClear(900).cmdEnd);
    EXPECT_EQ(nameEntries->size(), 1u);
    EXPECT_TRUE(nav.ended());
}

TEST_F(AllClearTest, AltF4ClosesItAndThePlayScreenGoesBackToTheTitle) {
    altF4(reachAllClear(250));
    EXPECT_EQ(nameEntries->size(), 0u);
    expectBackAtTheTitle();
}

}  // namespace
