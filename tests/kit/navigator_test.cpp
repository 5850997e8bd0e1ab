#include <gtest/gtest.h>

#include <QInputMethodEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <set>

#include "app/run_game.h"
#include "kit/keys.h"
#include "kit/navigator.h"
#include "kit/screen.h"
#include "state/game_state.h"
#include "state/screen_id.h"
#include "support/kit_world.h"
#include "support/qt_printers.h"

namespace {
// A screen that logs its steps, keys and clicks; it has two buttons and a timer.
class Recorder : public Screen {
  public:
    Recorder(Services& s, ScreenId id, std::vector<QString>& log)
        : Screen(s, id, name(id)), log_(log) {
        setKeyPreview(true);
        setTakesText(true);
        for (const char* caption : {"A", "B"}) {
            auto* button = new QPushButton(caption, this);
            button->setAutoDefault(true);
            button->move(caption[0] == 'A' ? 0 : 60, 0);
            connect(button, &QPushButton::clicked, this,
                    [this, caption] { log_.push_back(name(this->id()) + " click " + caption); });
        }
        timer = makeTimer(100, false, [] {});
        resize(120, 40);
    }
    static QString name(ScreenKey id) {
        return QString::number(static_cast<int>(id.as<ScreenId>()));
    }
    void Form_Load() override { log_.push_back(name(id()) + " load"); }
    void Form_Unload() override { log_.push_back(name(id()) + " unload"); }
    void AfterModal(ScreenKey closed) override {
        log_.push_back(name(id()) + " after " + name(closed));
    }
    void Form_KeyDown(int code, int shift) override {
        log_.push_back(QString("down %1 %2").arg(code).arg(shift));
    }
    void Form_KeyPress(char32_t ascii) override {
        log_.push_back(QString("press %1").arg(static_cast<int>(ascii)));
    }
    bool KeepsKey(int code) const override { return keeps.count(code) != 0; }
    QPushButton* button(int i) { return findChildren<QPushButton*>().at(i); }

    std::set<int> keeps;
    GameTimer* timer;

  private:
    std::vector<QString>& log_;
};

// A modal screen that closes itself from inside its own show event.
class ClosesWhenShown : public Screen {
  public:
    explicit ClosesWhenShown(Services& s) : Screen(s, ScreenId::Help, "closer") {}

  protected:
    void showEvent(QShowEvent* event) override {
        Screen::showEvent(event);
        nav().unload(this);
    }
};

constexpr ScreenId kCaller = ScreenId::Play;
constexpr ScreenId kModal = ScreenId::GameOver;
constexpr ScreenId kNext = ScreenId::NameEntry;

class NavigatorTest : public ::testing::Test, protected KitWorld {
  protected:
    NavigatorTest() {
        for (ScreenId id : {kCaller, kModal, kNext, ScreenId::Title}) {
            nav.registerScreen(
                id, [this, id, &s = services]() { return std::make_unique<Recorder>(s, id, log); });
        }
        nav.registerScreen(ScreenId::Help,
                           [&s = services]() { return std::make_unique<ClosesWhenShown>(s); });
    }
    Recorder& load(ScreenId id) { return static_cast<Recorder&>(*nav.load(id)); }
    QString n(ScreenId id) { return Recorder::name(id); }
    std::vector<QString> since(std::size_t from) {
        return {log.begin() + static_cast<std::ptrdiff_t>(from), log.end()};
    }

    std::vector<QString> log;
};
}  // namespace

TEST_F(NavigatorTest, LoadsOnceAndUnloadsWithItsStepsAndStopsItsTimers) {
    Recorder& caller = load(kCaller);
    EXPECT_EQ(&load(kCaller), &caller);
    load(kModal);
    caller.timer->setEnabled(true);
    nav.unload(&caller);
    EXPECT_FALSE(nav.isLoaded(&caller));
    EXPECT_FALSE(clock.isRunning(*caller.timer));
    EXPECT_EQ(nav.find(kCaller), nullptr);
    EXPECT_EQ(log, (std::vector<QString>{n(kCaller) + " load", n(kModal) + " load",
                                         n(kCaller) + " unload"}));
    EXPECT_FALSE(nav.ended());
}

TEST_F(NavigatorTest, AModalScreenLetsItsOwnerGoOnOnlyWhenItCloses) {
    Recorder& caller = load(kCaller);
    nav.show(&caller);
    Recorder& modal = load(kModal);
    nav.showModal(&modal, &caller, [this] { log.push_back("closing steps"); });
    clock.advance(1000);
    const std::size_t mark = log.size();
    nav.unload(&modal);
    EXPECT_EQ(since(mark), (std::vector<QString>{n(kModal) + " unload", "closing steps",
                                                 n(kCaller) + " after " + n(kModal)}));
    nav.unload(&modal);  // a second close does nothing
    EXPECT_EQ(log.size(), mark + 3);
}

TEST_F(NavigatorTest, AHandedOverModalKeepsTheOwnerWaitingThreeDeep) {
    // play -> game over -> name entry -> back to play
    Recorder& caller = load(kCaller);
    nav.show(&caller);
    Recorder& modal = load(kModal);
    nav.showModal(&modal, &caller);
    Recorder& next = load(kNext);
    const std::size_t mark = log.size();
    nav.handOver(&modal, &next, [this] { log.push_back("name entry done"); });
    EXPECT_EQ(since(mark), (std::vector<QString>{n(kModal) + " unload"}));
    EXPECT_TRUE(next.isVisible());
    EXPECT_EQ(next.windowModality(), Qt::ApplicationModal);
    nav.unload(&next);
    EXPECT_EQ(since(mark),
              (std::vector<QString>{n(kModal) + " unload", n(kNext) + " unload", "name entry done",
                                    n(kCaller) + " after " + n(kModal)}));
}

TEST_F(NavigatorTest, NothingWaitsOnAnOwnerThatIsGoneOrAnEndedProgram) {
    Recorder& caller = load(kCaller);
    Recorder& modal = load(kModal);
    nav.showModal(&modal, &caller);
    nav.unload(&caller);
    nav.unload(&modal);
    EXPECT_EQ(log.back(), n(kModal) + " unload");

    Recorder& again = load(kCaller);
    Recorder& modal2 = load(kModal);
    bool ran = false;
    nav.showModal(&modal2, &again, [&] { ran = true; });
    nav.unloadAndEnd(&modal2);
    EXPECT_TRUE(nav.ended());
    EXPECT_FALSE(ran);
    EXPECT_EQ(log.back(), n(kModal) + " unload");
}

TEST_F(NavigatorTest, TheProgramEndsWithItsLastScreenOrAtOnceWithoutUnloadSteps) {
    int ends = 0;
    nav.onEnd([&] { ++ends; });
    Recorder& caller = load(kCaller);
    Recorder& modal = load(kModal);
    nav.unload(&caller);
    EXPECT_FALSE(nav.ended());
    nav.unload(&modal);
    EXPECT_TRUE(nav.ended());
    EXPECT_EQ(ends, 1);

    log.clear();
    Navigator other;
    Services otherServices{clock, other};
    other.registerScreen(kCaller, [this, &otherServices] {
        return std::make_unique<Recorder>(otherServices, kCaller, log);
    });
    auto* screen = static_cast<Recorder*>(other.load(kCaller));
    screen->timer->setEnabled(true);
    other.endProgram();
    EXPECT_FALSE(clock.isRunning(*screen->timer));
    EXPECT_EQ(log, (std::vector<QString>{n(kCaller) + " load"}));
}

TEST_F(NavigatorTest, ClosingAllClosesTheTopScreenFirstAndStartsNothingThatWaited) {
    int ends = 0;
    nav.onEnd([&] { ++ends; });
    Recorder& hidden = load(kNext);
    Recorder& caller = load(kCaller);
    nav.show(&caller);
    nav.showModal(&load(kModal), &caller, [this] { log.push_back("closing steps"); });
    const std::size_t mark = log.size();
    nav.closeAll();
    EXPECT_EQ(since(mark), (std::vector<QString>{n(kModal) + " unload", n(kCaller) + " unload",
                                                 n(kNext) + " unload"}));
    EXPECT_FALSE(nav.isLoaded(&hidden));
    EXPECT_TRUE(nav.ended());
    EXPECT_EQ(ends, 1);
}

TEST_F(NavigatorTest, EndingBeforeOrInsideTheEventLoopLeavesItWithZero) {
    nav.endProgram();
    EXPECT_EQ(RunUntilEnd(nav), 0);  // would hang without the early return

    Navigator running;
    QTimer::singleShot(0, [&] { running.endProgram(); });
    EXPECT_EQ(RunUntilEnd(running), 0);
}

TEST_F(NavigatorTest, KeysReachThePreviewThenTheFocusedButtonThroughQt) {
    Recorder& screen = load(kCaller);
    nav.show(&screen);
    screen.button(0)->setFocus();
    QWindow* window = screen.windowHandle();
    ASSERT_NE(window, nullptr);

    QTest::keyClick(window, Qt::Key_Tab);
    EXPECT_EQ(screen.focusWidget(), screen.button(1));
    QTest::keyClick(window, Qt::Key_Return);
    QTest::keyClick(window, Qt::Key_Space);
    QTest::keyClick(window, Qt::Key_F6, Qt::ShiftModifier);
    const QString b = n(kCaller) + " click B";
    EXPECT_EQ(log, (std::vector<QString>{n(kCaller) + " load", "down 13 0", "press 13", b,
                                         "down 32 0", "press 32", b, "down 16 1", "down 117 1"}));

    // A key the screen keeps for itself never reaches the button as well.
    screen.keeps = {KeyCode::Enter, KeyCode::Space};
    log.clear();
    QTest::keyClick(window, Qt::Key_Return);
    QTest::keyClick(window, Qt::Key_Space);
    EXPECT_EQ(log, (std::vector<QString>{"down 13 0", "press 13", "down 32 0", "press 32"}));
}

TEST_F(NavigatorTest, InputMethodTextArrivesAsTypedCharacters) {
    Recorder& screen = load(kCaller);
    nav.show(&screen);
    screen.button(0)->setFocus();
    log.clear();
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("あ𠀋"));
    QApplication::sendEvent(screen.button(0), &commit);
    EXPECT_EQ(log, (std::vector<QString>{"press 12354", "press 131083"}));
}

TEST_F(NavigatorTest, InputStillArrivesAfterEveryKindOfModalScreen) {
    Recorder& caller = load(kCaller);
    nav.show(&caller);
    QWindow* window = caller.windowHandle();
    const auto typed = [&](Qt::Key key, int code) {
        log.clear();
        QTest::keyClick(window, key);
        return !log.empty() && log.front() == QString("down %1 0").arg(code);
    };
    // Closing at once, from inside its own show.
    nav.showModal(nav.load(ScreenId::Help), &caller);
    EXPECT_FALSE(nav.find(ScreenId::Help));
    EXPECT_TRUE(typed(Qt::Key_A, 65));
    // Closing later.
    Recorder& modal = load(kModal);
    nav.showModal(&modal, &caller);
    EXPECT_FALSE(typed(Qt::Key_B, 66));  // the owner is blocked while it is up
    nav.unload(&modal);
    EXPECT_TRUE(typed(Qt::Key_C, 67));
    // Handing over to another.
    Recorder& modal2 = load(kModal);
    nav.showModal(&modal2, &caller);
    Recorder& next = load(kNext);
    nav.handOver(&modal2, &next);
    EXPECT_FALSE(typed(Qt::Key_D, 68));
    nav.unload(&next);
    EXPECT_TRUE(typed(Qt::Key_E, 69));
    // And clicks too.
    log.clear();
    QTest::mouseClick(window, Qt::LeftButton, {}, caller.button(1)->geometry().center());
    EXPECT_EQ(log, (std::vector<QString>{n(kCaller) + " click B"}));
}

TEST(SingleInstance, ASecondCopyIsRefusedAndAStaleLockTakenOver) {
    QTemporaryDir dir;
    const QString path = dir.filePath("tezra.lock");
    LockFileInstance first(path);
    ASSERT_TRUE(first.acquire());
    EXPECT_TRUE(first.acquire());  // asked again in the same run: the same answer
    LockFileInstance second(path);
    EXPECT_FALSE(second.acquire());

    // A lock left by a copy that was killed: its process no longer exists.
    const QString stale = dir.filePath("stale.lock");
    QFile file(stale);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("2147483646\ntezra\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    file.close();
    LockFileInstance after(stale);
    EXPECT_TRUE(after.acquire());
}
