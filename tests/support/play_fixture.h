#pragma once

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QTemporaryDir>
#include <memory>

#include "kit/navigator.h"
#include "kit/virtual_clock.h"
#include "play/frm_tezra.h"
#include "sound/recording_sound.h"
#include "state/game_state.h"
#include "support/scripted_random.h"

// A play screen on virtual time with recorded sound, its data folder a fresh temporary one.
class PlayFixture : public ::testing::Test {
  protected:
    PlayFixture();
    ~PlayFixture() override;

    // Loads and shows the play screen for the level and stage.
    FrmTezra& start(int level, int stage);
    FrmTezra& play() { return *screen_; }

    // Types a key as the player would: KeyDown, then KeyPress.
    void key(Qt::Key key, const QString& text = {}, Qt::KeyboardModifiers mods = Qt::NoModifier);
    void type(const QString& digits);
    // Types the angle and fires with Space.
    void fire(int angle);
    void advance(int ms) { clock.advance(ms); }
    // The angle the player has to type for slot's invader.
    int answerFor(int slot) const;

    std::vector<QString> soundsSince(std::size_t mark) const;
    std::size_t soundMark() const { return sound.calls().size(); }
    // The fixture's random source, whose next draws a test may script.
    ScriptableRandom& draws() { return static_cast<ScriptableRandom&>(*random); }

    GameState state;
    VirtualClock clock;
    std::unique_ptr<RandomSource> random;
    RecordingSoundSystem sound;
    Navigator nav;
    Services services{state, clock, *random, sound, nav};
    QTemporaryDir dir;

  private:
    FrmTezra* screen_ = nullptr;
};
