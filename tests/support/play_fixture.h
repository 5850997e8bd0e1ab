#pragma once

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QTemporaryDir>
#include <memory>
#include <optional>

#include "app/screen_flow.h"
#include "doubles/always_alone.h"
#include "doubles/recording_sound.h"
#include "doubles/virtual_clock.h"
#include "kit/navigator.h"
#include "state/game_services.h"
#include "state/game_state.h"
#include "state/run_memory.h"
#include "support/play_probe.h"
#include "support/qt_printers.h"
#include "support/scripted_picker.h"
#include "support/scripted_random.h"

// A play screen on virtual time with recorded sound, its data folder a fresh temporary one.
class PlayFixture : public ::testing::Test {
  protected:
    PlayFixture();
    ~PlayFixture() override;

    // Loads and shows the play screen for the level and stage.
    PlayProbe& start(int level, int stage);
    // Sets the play screen up again for another level and stage, as the stage flow does; the
    // first call starts it. (Unloading the only screen would end the program.)
    PlayProbe& restart(int level, int stage);
    PlayProbe& play() { return *probe_; }
    // The play state of the screen's model.
    PlayState& round() { return probe_->round; }

    // Types a key as the player would, through the play screen's window.
    void key(Qt::Key key, const QString& text = {}, Qt::KeyboardModifiers mods = Qt::NoModifier);
    void type(const QString& digits);
    // The player at the name entry, when it is open: types the name through the input method and
    // presses "OK（おわり）". Returns whether it was open.
    bool enterName(const QString& name = {});
    // Types the angle and fires with Space.
    void fire(int angle);
    void advance(int ms) { clock.advance(ms); }
    // Runs the clock until a shot and its follow-up are over and keys count again.
    void runUntilReady();
    // The angle the player has to type for slot's invader.
    int answerFor(int slot) const;

    std::vector<QString> soundsSince(std::size_t mark) const;
    std::size_t soundMark() const { return sound.calls().size(); }
    // The fixture's random source, whose next draws a test may script.
    ScriptableRandom& draws() { return *random; }

    // Makes the next invaders' angles come out as given, in order.
    void queueAngles(std::initializer_list<int> angles) { picker.queue(angles); }

    GameState state;
    RunMemory run;
    VirtualClock clock;
    std::unique_ptr<ScriptableRandom> random;
    ScriptedPicker picker{*random};
    RecordingSoundSystem sound;
    Navigator nav;
    AlwaysAlone instance;
    QTemporaryDir dir;
    GameServices services{{clock, nav}, state,      run,        *random, sound,
                          instance,     dir.path(), dir.path(), &picker};
    ScreenFlow flow{nav, state};

  private:
    std::optional<PlayProbe> probe_;
};
