#pragma once

#include <QObject>
#include <QtGlobal>
#include <array>
#include <set>
#include <string>

#include "play/judged_shot.h"
#include "play/play_phase.h"
#include "play/play_state.h"
#include "play/play_ticks.h"
#include "play/shot_rules.h"
#include "state/checked_int.h"
#include "state/fan_sweep.h"

struct AngleGrid;
class AnglePicker;
class Clock;
struct PickContext;
class RandomSource;
struct GameState;
struct LessonSettings;

// A round as placed, for the screen to draw and start.
struct Round {
    bool stageCleared = false;  // no invader was left: the stage clear begins instead
    bool placed = false;  // invaders stand on the field (none for a level or stage out of range)
    bool lineTurned = false;      // the red line turned to the last hit and the arrow is due
    std::array<bool, 3> walks{};  // the slots whose invaders walk from now on
};

// The play screen's rules and the state they keep: the stage's set-up, the rounds with their
// invaders and red line, the typed angle and its shot, and the ticks of every sequence. The
// screen's timers step it and draw and sound what it says; others follow its events.
class PlayModel : public QObject {
    Q_OBJECT
  public:
    // The picker chooses the invaders' angles for the player named (UTF-8; empty when no name was
    // asked); the random source gives the points that come by chance.
    PlayModel(GameState& state, AnglePicker& picker, RandomSource& random, Clock& clock,
              const LessonSettings& settings, std::string player = {});

    PlayPhase phase() const { return phase_; }
    void setPhase(PlayPhase phase);
    // A sequence runs: keys, the help and the footsteps wait. Only aiming, also during the miss
    // follow-up's shake, leaves play free.
    bool busy() const;

    const PlayState& playState() const { return play_; }

    // The level's points, invaders and empty slots, and the stage's red line and remembered
    // angles, for the level and stage of the shared state.
    void setupStage();
    // The next round's invaders, or the stage clear when none is left.
    Round nextRound();

    // One character typed: digits build the angle, anything else clears it. Returns whether the
    // digit click sounds.
    bool typeKey(char32_t key);
    // Rounds the typed angle as the fire button fires it; false when nothing is left to fire.
    bool takeAim();
    // The rounded angle is fired at the invader standing in its direction (or none): the fan
    // starts.
    void fire();
    // Play stops for an end sequence: the entry is cleared and every sequence starts afresh.
    void endPlay();
    // One tick of the fan sweeping the typed angle from the red line; when it is finished the
    // shot flies.
    FanTick stepFan();
    // One step of the shot's flight. At the rim the shot is judged: a hit scores and the hit
    // follow-up starts; a miss costs points (none in practice) and either the miss follow-up
    // starts or the game is over (the screen then starts the game over).
    ShotTick stepShot();
    HitFollowUpTick stepHitFollowUp();
    MissFollowUpTick stepMissFollowUp();
    // One step of the invader in the slot towards the Earth; in practice a step in place.
    ApproachTick stepApproach(int slot);
    // One tick of the guard that watches for a running sequence and blinks the prompt.
    WatchTick stepWatch();

    // The last invader of the stage fell; the level and stage are still the cleared one's.
    void clearStage();
    // Moves the level and stage on past the cleared one, to the levels the lesson allows; returns
    // whether it was the last.
    bool advanceStage(const std::set<int>& levels);
    ClearStep stepStageClear();
    // Play ended with the last stage.
    void beginAllClear();
    // An invader reached the Earth, or a miss cost the last points.
    void beginGameOver();
    FlashTick stepGameOverFlash();
    TypeTick stepGameOverType();

    // The absolute direction of the typed angle counted from the red line.
    int aimedDirection() const;
    // The angle of the invader nearest the cannon, counted from the red line.
    int attackerAngle() const;

    // The protractor marks stand on the field at the easy level; at the normal level the hint key
    // draws them.
    bool marksShown() const;
    bool hintAllowed() const;
    // The absolute direction of the invader nearest the cannon.
    int attackerDirection() const;
    // The direction the hit or miss message stands in: half the fired angle from the red line's
    // start, or in stage 3 from the line itself.
    int messageDirection(int firedAngle) const;

    // The red line's angle and the direction the child counts from it (1 anticlockwise, -1
    // clockwise), and the slot nearest the cannon.
    const Int16& lineAngle() const { return play_.mLineAngle; }
    const Int16& lineDir() const { return play_.mLineDir; }
    const Int16& nearSlot() const { return play_.mNearSlot; }

  signals:
    void phaseChanged(PlayPhase phase);
    void shotJudged(const JudgedShot& shot);
    void stageCleared(int level, int stage);
    void gameOver();

  private:
    // Tests set up the play state and the round's start through their probe.
    friend class PlayProbe;

    // An invader was placed: its round starts now.
    void beginRound();
    void placeOne();
    void placeOneMoving();
    void placeThree();
    void placeThreeMoving();
    void turnLineToLastHit();
    // The walk of the round's invaders starts, or near the stage's end the slot just hit retires.
    void finishOnePlacement(Round& round);
    void finishThreePlacement(Round& round);
    PickContext pickContext(const AngleGrid& grid) const;
    // The angle of the invader in the slot, counted from the red line.
    int fromLine(int slot) const;
    // The invader a missed shot was meant for.
    int answeredSlot() const;
    JudgedShot judged(int slot, bool hit, int points) const;
    Award judgeHit();
    JudgedShot judgeMiss();
    // Play stopped for an end sequence: the next shot after a continue starts from its first tick.
    void resetSequences();

    GameState& state_;
    PlayState play_;
    AnglePicker& picker_;
    RandomSource& random_;
    Clock& clock_;
    const LessonSettings& settings_;
    std::string player_;
    PlayPhase phase_ = PlayPhase::Aiming;
    qint64 roundStart_ = 0;
    qint64 firedAt_ = 0;
    std::array<Int16, 4> points_{};
    FanState fan_;
    Int16 shotStep_;
    Int16 hitTick_;
    Int16 missTick_;
    std::array<Int16, 3> invFrame_{};
    Int16 blinkTick_;
    Int16 clearTick_;
    Int16 flashTick_;
    Int16 typeTick_;
};
