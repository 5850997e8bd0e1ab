#include "play/play_model.h"

#include "kit/clock.h"
#include "state/angles.h"
#include "state/game_state.h"

namespace {
constexpr int kMissPenalty = 30;
}  // namespace

PlayModel::PlayModel(GameState& state, RandomSource& random, Clock& clock)
    : state_(state), random_(random), clock_(clock) {}

void PlayModel::setPhase(PlayPhase phase) {
    if (phase_ == phase) {
        return;
    }
    phase_ = phase;
    emit phaseChanged(phase);
}

bool PlayModel::busy() const {
    return phase_ != PlayPhase::Aiming && phase_ != PlayPhase::MissFollowUp;
}

void PlayModel::beginRound() {
    roundStart_ = clock_.now();
}

void PlayModel::fire() {
    firedAt_ = clock_.now();
    setPhase(PlayPhase::Fan);
}

FanTick PlayModel::stepFan() {
    return StepFan(fan, state_.gStage, mLineAngle, mLineDir, state_.gInputAngle);
}

Award PlayModel::judgeHit() {
    GameState& g = state_;
    const int t = g.gTarget;
    const Award award =
        AwardFor(fromLine(t), DistanceBand(g.gInvDist.at(t)), g.gLevel, mPoints, random_);
    g.gScore += award.points;
    g.gRest -= 1;
    g.gLastAngle3 = g.gLastAngle2;
    g.gLastAngle2 = g.gLastAngle1;
    g.gLastAngle1 = aimedDirection();
    emit shotJudged(judged(t, true, award.points));
    return award;
}

void PlayModel::judgeMiss() {
    GameState& g = state_;
    const Int32 before = g.gScore;
    const Int32 left = g.gScore - kMissPenalty;
    g.gScore = left < 0 ? Int32(0) : left;
    // No invader was hit: the one the child had to answer is the nearest.
    emit shotJudged(judged(NearestSlot(g), false, g.gScore - before));
}

void PlayModel::clearStage() {
    emit stageCleared(state_.gLevel, state_.gStage);
}

void PlayModel::endGame() {
    emit gameOver();
}

void PlayModel::resetSequences() {
    fan = FanState{};
    shotStep = 0;
    hitTick = 0;
    missTick = 0;
}

int PlayModel::aimedDirection() const {
    return mLineAngle + mLineDir * state_.gInputAngle;
}

int PlayModel::attackerAngle() const {
    return fromLine(NearestSlot(state_));
}

int PlayModel::fromLine(int slot) const {
    return (state_.gInvAngle.at(slot) - mLineAngle) * mLineDir;
}

JudgedShot PlayModel::judged(int slot, bool hit, int points) const {
    JudgedShot shot;
    shot.level = state_.gLevel;
    shot.stage = state_.gStage;
    shot.rightAngle = fromLine(slot);
    shot.typedAngle = state_.gInputAngle;
    shot.hit = hit;
    shot.points = points;
    shot.elapsedMs = firedAt_ - roundStart_;
    return shot;
}
