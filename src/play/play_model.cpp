#include "play/play_model.h"

#include <cstdlib>

#include "kit/clock.h"
#include "persist/lesson_settings.h"
#include "play/approach_rules.h"
#include "play/flow_rules.h"
#include "play/stage_rules.h"
#include "state/angles.h"
#include "state/game_state.h"

namespace {
constexpr int kMissPenalty = 30;
// An invader's step towards the Earth, and the distance at which it has reached it.
constexpr int kStep = 3;
constexpr int kEarthReached = 18;
// In practice an invader marks time where it was placed, at a calm pace.
constexpr int kMarkTimeMs = 400;
// The game-over message's typing, with the pause after it.
constexpr int kTypeTicks = 50;
}  // namespace

PlayModel::PlayModel(GameState& state, RandomSource& random, Clock& clock,
                     const LessonSettings& settings)
    : state_(state), random_(random), clock_(clock), settings_(settings) {}

void PlayModel::setPhase(PlayPhase phase) {
    if (phase_ == phase) {
        return;
    }
    phase_ = phase;
    emit phaseChanged(phase);
}

void PlayModel::setLine(int angle, int dir) {
    lineAngle_ = angle;
    lineDir_ = dir;
}

void PlayModel::setPoints(const std::array<int, 4>& points) {
    for (std::size_t band = 0; band < points.size(); ++band) {
        points_[band] = points[band];
    }
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
    const FanTick tick = StepFan(fan_, state_.gStage, lineAngle_, lineDir_, state_.gInputAngle);
    if (tick.finished) {
        fan_.fanActive = 0;
        setPhase(PlayPhase::Shot);
    }
    return tick;
}

ShotTick PlayModel::stepShot() {
    ShotTick tick;
    tick.direction = aimedDirection();
    tick.length = ShotLength(shotStep_);
    if (shotStep_ < 5) {
        tick.sounds = shotStep_ == 0;
        ++shotStep_;
        return tick;
    }
    shotStep_ = 0;
    tick.reachedRim = true;
    if (state_.gTarget != kEmptySlot) {
        tick.hitSlot = state_.gTarget;
        tick.award = judgeHit();
        hitTick_ = 0;
        setPhase(PlayPhase::HitFollowUp);
    } else {
        tick.missed = judgeMiss();
        tick.endsGame = state_.gScore == 0 && !settings_.practice;
        if (!tick.endsGame) {
            missTick_ = 0;
            setPhase(PlayPhase::MissFollowUp);
        }
    }
    return tick;
}

HitFollowUpTick PlayModel::stepHitFollowUp() {
    ++hitTick_;
    const HitFollowUp ticks = HitFollowUpFor(state_.gLevel);
    HitFollowUpTick tick;
    if (hitTick_ == ticks.hideTick && state_.gTarget != kEmptySlot) {
        tick.hideSlot = state_.gTarget;
    }
    if (hitTick_ == ticks.endTick) {
        hitTick_ = 0;
        tick.done = true;
        tick.hidePoints = state_.gLevel == 3;
    }
    return tick;
}

MissFollowUpTick PlayModel::stepMissFollowUp() {
    ++missTick_;
    const MissFollowUp ticks = MissFollowUpFor(state_.gLevel);
    MissFollowUpTick tick;
    if (missTick_ <= ticks.lastShakeTick) {
        // Calm: the field stays put; the ticks keep the follow-up's length.
        tick.shake = settings_.calm ? 0 : missTick_ % 2 == 1 ? -2 : 2;
    } else if (missTick_ == ticks.putBackTick) {
        tick.putBack = true;
    } else if (missTick_ == ticks.endTick) {
        missTick_ = 0;
        tick.done = true;
        // A shot fired during the shake owns the field now.
        if (phase_ == PlayPhase::MissFollowUp) {
            setPhase(PlayPhase::Aiming);
            tick.aimingAgain = true;
        }
    }
    return tick;
}

Award PlayModel::judgeHit() {
    GameState& g = state_;
    const int t = g.gTarget;
    const Award award =
        AwardFor(fromLine(t), DistanceBand(g.gInvDist.at(t)), g.gLevel, points_, random_);
    g.gScore += award.points;
    g.gRest -= 1;
    g.gLastAngle3 = g.gLastAngle2;
    g.gLastAngle2 = g.gLastAngle1;
    g.gLastAngle1 = aimedDirection();
    emit shotJudged(judged(t, true, award.points));
    return award;
}

JudgedShot PlayModel::judgeMiss() {
    GameState& g = state_;
    const Int32 before = g.gScore;
    if (!settings_.practice) {
        const Int32 left = g.gScore - kMissPenalty;
        g.gScore = left < 0 ? Int32(0) : left;
    }
    const JudgedShot shot = judged(answeredSlot(), false, g.gScore - before);
    emit shotJudged(shot);
    return shot;
}

ApproachTick PlayModel::stepApproach(int slot) {
    GameState& g = state_;
    ApproachTick tick;
    tick.distance = g.gInvDist.at(slot);
    tick.angle = g.gInvAngle[slot];
    tick.band = DistanceBand(tick.distance);
    tick.frame = invFrame_[slot];
    if (settings_.practice) {
        // No time pressure: no step nearer and no footsteps, only the walking pictures.
        tick.interval = kMarkTimeMs;
        invFrame_[slot] = (invFrame_[slot] + 1) % 2;
        return tick;
    }
    tick.interval = ApproachInterval(g.gLevel, slot, nearSlot_, g.gRest, tick.angle, tick.distance);
    g.gInvDist[slot] = tick.distance - kStep;
    if (g.gInvDist[slot] > kEarthReached) {
        tick.footstep = slot == nearSlot_ && !busy();
        invFrame_[slot] = (invFrame_[slot] + 1) % 2;
    } else {
        tick.arrived = true;
    }
    return tick;
}

WatchTick PlayModel::stepWatch() {
    WatchTick tick;
    if (busy()) {
        blinkTick_ = 0;
        tick.busy = true;
        return tick;
    }
    ++blinkTick_;
    if (blinkTick_ <= 4) {
        tick.prompt = PromptBlink::Show;
    } else if (blinkTick_ == 5) {
        tick.prompt = PromptBlink::Hide;
    } else {
        blinkTick_ = 0;
    }
    return tick;
}

void PlayModel::clearStage() {
    setPhase(PlayPhase::StageClear);
    emit stageCleared(state_.gLevel, state_.gStage);
}

bool PlayModel::advanceStage(const std::set<int>& levels) {
    const Advance next = AdvanceAfterClear(state_.gLevel, state_.gStage, levels);
    state_.gLevel = next.level;
    state_.gStage = next.stage;
    clearTick_ = 0;
    return next.allClear;
}

ClearStep PlayModel::stepStageClear() {
    ++clearTick_;
    const ClearStep step = ClearStepFor(clearTick_);
    if (step == ClearStep::End) {
        clearTick_ = 0;
    }
    return step;
}

void PlayModel::beginAllClear() {
    resetSequences();
    setPhase(PlayPhase::AllClear);
}

void PlayModel::beginGameOver() {
    resetSequences();
    flashTick_ = 0;
    setPhase(PlayPhase::GameOver);
    emit gameOver();
}

FlashTick PlayModel::stepGameOverFlash() {
    ++flashTick_;
    FlashTick tick;
    if (flashTick_ == 1) {
        tick.step = FlashStep::KeepPicture;
    } else if (flashTick_ <= 10) {
        const bool even = flashTick_ % 2 == 0;
        tick.step = FlashStep::Flicker;
        // Calm: a steady picture; the ticks and sounds keep the sequence's timing.
        tick.shake = settings_.calm ? 0 : even ? -2 : 2;
        tick.blank = even && !settings_.calm;
        tick.sounds = flashTick_ == 2 || flashTick_ == 6;
    } else if (flashTick_ == 11) {
        tick.step = FlashStep::PutBack;
    } else {
        flashTick_ = 0;
        typeTick_ = 0;
        tick.step = FlashStep::Done;
    }
    return tick;
}

TypeTick PlayModel::stepGameOverType() {
    TypeTick tick;
    if (typeTick_ >= kTypeTicks) {
        typeTick_ = 0;
        tick.done = true;
        return tick;
    }
    if (typeTick_ <= 12) {
        tick.line0 = OverLine0(attackerAngle(), typeTick_);
    } else if (typeTick_ <= 23) {
        tick.line1 = OverLine1(typeTick_);
    }
    tick.sound = TypeSoundFor(typeTick_);
    ++typeTick_;
    return tick;
}

void PlayModel::resetSequences() {
    fan_ = FanState{};
    shotStep_ = 0;
    hitTick_ = 0;
    missTick_ = 0;
}

int PlayModel::aimedDirection() const {
    return lineAngle_ + lineDir_ * state_.gInputAngle;
}

int PlayModel::attackerAngle() const {
    return fromLine(NearestSlot(state_));
}

int PlayModel::answeredSlot() const {
    // No invader was hit: the one the child had to answer is the nearest still standing. Equally
    // near ones (all of them in practice, where none walks) are told apart by the angle typed.
    const auto& dist = state_.gInvDist;
    const auto miss = [&](int slot) { return std::abs(fromLine(slot) - state_.gInputAngle); };
    int answered = -1;
    for (int slot = 0; slot < int(dist.size()); ++slot) {
        if (state_.gInvAngle[slot] == kRetiredSlot) {
            continue;
        }
        if (answered < 0 || dist[slot] < dist[answered] ||
            (dist[slot] == dist[answered] && miss(slot) < miss(answered))) {
            answered = slot;
        }
    }
    return answered < 0 ? int(NearestSlot(state_)) : answered;
}

int PlayModel::fromLine(int slot) const {
    return (state_.gInvAngle.at(slot) - lineAngle_) * lineDir_;
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
