#include <gtest/gtest.h>

#include <QKeyEvent>

#include "kit/keys.h"
#include "kit/navigator.h"
#include "kit/screen.h"
#include "kit/virtual_clock.h"
#include "sound/silent_sound.h"
#include "state/game_state.h"
#include "state/random_source.h"

namespace {
class Recorder : public Screen {
  public:
    Recorder(Services& s, const QString& name, std::vector<QString>& log)
        : Screen(s, name), log_(log) {
        setKeyPreview(true);
    }
    void Form_Load() override { log_.push_back(screenName() + " load"); }
    void Form_Unload() override { log_.push_back(screenName() + " unload"); }
    void Form_KeyDown(int code, int shift) override {
        log_.push_back(QString("down %1 %2").arg(code).arg(shift));
    }
    void Form_KeyPress(char32_t ascii) override {
        log_.push_back(QString("press %1").arg(static_cast<int>(ascii)));
    }

  private:
    std::vector<QString>& log_;
};

class NavigatorTest : public ::testing::Test {
  protected:
    NavigatorTest() {
        nav.setServices(services);
        for (const char* name : {"caller", "dialog"}) {
            nav.registerScreen(name, [this, name](Services& s) {
                return std::make_unique<Recorder>(s, name, log);
            });
        }
    }
    GameState state;
    VirtualClock clock;
    SeededRandom random{1};
    SilentSoundSystem sound;
    Navigator nav;
    Services services{state, clock, random, sound, nav};
    std::vector<QString> log;
};
}  // namespace

TEST_F(NavigatorTest, LoadsOnceAndUnloadsWithItsSteps) {
    Screen* caller = nav.load("caller");
    EXPECT_EQ(nav.load("caller"), caller);
    nav.load("dialog");
    nav.unload(caller);
    EXPECT_FALSE(nav.isLoaded(caller));
    EXPECT_EQ(nav.find("caller"), nullptr);
    EXPECT_EQ(log, (std::vector<QString>{"caller load", "dialog load", "caller unload"}));
    EXPECT_FALSE(nav.ended());
}

TEST_F(NavigatorTest, TheModalContinuationRunsOnlyWhenTheModalScreenCloses) {
    nav.show(nav.load("caller"));
    Screen* dialog = nav.load("dialog");
    nav.showModal(dialog, [this] { log.push_back("continued"); });
    EXPECT_EQ(log.back(), "dialog load");
    clock.advance(1000);
    EXPECT_EQ(log.back(), "dialog load");
    nav.unload(dialog);
    EXPECT_EQ(log,
              (std::vector<QString>{"caller load", "dialog load", "dialog unload", "continued"}));
    nav.unload(dialog);  // a second close does nothing
    EXPECT_EQ(log.size(), 4u);
}

TEST_F(NavigatorTest, HidingAModalScreenAlsoContinues) {
    nav.load("caller");
    Screen* dialog = nav.load("dialog");
    int continued = 0;
    nav.showModal(dialog, [&] { ++continued; });
    nav.hide(dialog);
    EXPECT_EQ(continued, 1);
    EXPECT_TRUE(nav.isLoaded(dialog));
}

TEST_F(NavigatorTest, TheProgramEndsWithItsLastScreenOrAtOnce) {
    int ends = 0;
    nav.onEnd([&] { ++ends; });
    Screen* caller = nav.load("caller");
    Screen* dialog = nav.load("dialog");
    nav.unload(caller);
    EXPECT_FALSE(nav.ended());
    nav.unload(dialog);
    EXPECT_TRUE(nav.ended());
    nav.endProgram();
    EXPECT_EQ(ends, 1);
}

TEST_F(NavigatorTest, EndingAtOnceSkipsUnloadStepsAndContinuations) {
    nav.load("caller");
    Screen* dialog = nav.load("dialog");
    bool continued = false;
    nav.showModal(dialog, [&] { continued = true; });
    nav.endProgram();
    EXPECT_TRUE(nav.ended());
    EXPECT_FALSE(continued);
    EXPECT_EQ(log, (std::vector<QString>{"caller load", "dialog load"}));
}

TEST_F(NavigatorTest, KeyPreviewDeliversGameKeyCodesShiftStatesAndCharacters) {
    Screen* screen = nav.load("caller");
    log.clear();
    const auto press = [&](Qt::Key k, Qt::KeyboardModifiers m, const QString& text) {
        screen->previewKey(QKeyEvent(QEvent::KeyPress, k, m, text));
    };
    press(Qt::Key_F1, Qt::ShiftModifier, "");
    press(Qt::Key_F4, Qt::AltModifier, "");
    press(Qt::Key_B, Qt::ShiftModifier | Qt::ControlModifier, "\x02");
    press(Qt::Key_5, Qt::NoModifier, "5");
    press(Qt::Key_Return, Qt::NoModifier, "\r");
    EXPECT_EQ(log, (std::vector<QString>{"down 112 1", "down 115 4", "down 66 3", "press 2",
                                         "down 53 0", "press 53", "down 13 0", "press 13"}));
}
