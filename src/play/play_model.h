#pragma once

#include <QObject>
#include <QtGlobal>
#include <array>
#include <set>

#include "play/judged_shot.h"
#include "play/play_phase.h"
#include "play/play_ticks.h"
#include "play/shot_rules.h"
#include "state/checked_int.h"
#include "state/fan_sweep.h"

class Clock;
class RandomSource;
struct GameState;
struct LessonSettings;

// The play screen's rules and the state its sequences keep between ticks: the phase, the red line
// the child counts from, the fan, the shot and the follow-ups' ticks. The screen's timers step it
// and draw and sound what it says; others follow its events.
class PlayModel : public QObject {
    Q_OBJECT
  public:
    PlayModel(GameState& state, RandomSource& random, Clock& clock, const LessonSettings& settings);

    PlayPhase phase() const { return phase_; }
    void setPhase(PlayPhase phase);
    // A sequence runs: keys, the help and the footsteps wait. Only aiming, also during the miss
    // follow-up's shake, leaves play free.
    bool busy() const;

    // An invader was placed: its round starts now.
    void beginRound();
    // The typed angle was fired at the target slot (or none): the fan starts.
    void fire();
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

    // The red line's angle and the direction the child counts from it (1 anticlockwise, -1
    // clockwise), the slot nearest the cannon, and the points of the four distance bands.
    const Int16& lineAngle() const { return lineAngle_; }
    const Int16& lineDir() const { return lineDir_; }
    const Int16& nearSlot() const { return nearSlot_; }
    void setLine(int angle, int dir);
    void setNearSlot(int slot) { nearSlot_ = slot; }
    void setPoints(const std::array<int, 4>& points);

  signals:
    void phaseChanged(PlayPhase phase);
    void shotJudged(const JudgedShot& shot);
    void stageCleared(int level, int stage);
    void gameOver();

  private:
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
    RandomSource& random_;
    Clock& clock_;
    const LessonSettings& settings_;
    PlayPhase phase_ = PlayPhase::Aiming;
    qint64 roundStart_ = 0;
    qint64 firedAt_ = 0;
    Int16 lineAngle_;
    Int16 lineDir_;
    Int16 nearSlot_;
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
