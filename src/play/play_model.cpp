#include "play/play_model.h"

#include <cstdlib>

#include "core/angle_picker.h"
#include "kit/clock.h"
#include "persist/lesson_settings.h"
#include "play/approach_rules.h"
#include "play/entry_rules.h"
#include "play/flow_rules.h"
#include "play/placement_rules.h"
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

PlayModel::PlayModel(GameState& state, AnglePicker& picker, RandomSource& random, Clock& clock,
                     const LessonSettings& settings, std::string player)
    : state_(state),
      picker_(picker),
      random_(random),
      clock_(clock),
      settings_(settings),
      player_(std::move(player)) {}

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

void PlayModel::setupStage() {
    PlayState& p = play_;
    if (const auto level = RulesForLevel(state_.gLevel)) {
        for (std::size_t band = 0; band < points_.size(); ++band) {
            points_[band] = level->points[band];
        }
        if (level->singleInvader) {
            for (int slot = 1; slot < 3; ++slot) {
                p.gInvAngle[slot] = kEmptySlot;
                p.gInvDist[slot] = kEmptySlot;
            }
            p.mNearSlot = 0;
        }
        p.gRest = level->invaders;
    }
    p.gInputAngle = 0;
    p.gLastAngle1 = 90;
    p.gLastAngle2 = 10;
    p.gLastAngle3 = 180;
    p.mLineAngle = 0;
    p.mLineDir = 1;
    p.gTarget = kEmptySlot;
}

Round PlayModel::nextRound() {
    Round round;
    if (play_.gRest == 0) {
        round.stageCleared = true;
        return round;
    }
    play_.gInputAngle = 0;
    switch (PlacementFor(state_.gLevel, state_.gStage)) {
        case Placement::One:
            placeOne();
            finishOnePlacement(round);
            break;
        case Placement::OneMoving:
            placeOneMoving();
            round.lineTurned = true;
            finishOnePlacement(round);
            break;
        case Placement::Three:
            placeThree();
            finishThreePlacement(round);
            break;
        case Placement::ThreeMoving:
            placeThreeMoving();
            round.lineTurned = true;
            finishThreePlacement(round);
            break;
        case Placement::None:
            break;
    }
    setPhase(PlayPhase::Aiming);
    return round;
}

PickContext PlayModel::pickContext(const AngleGrid& grid) const {
    return {grid, {}, state_.gLevel, state_.gStage, player_};
}

void PlayModel::placeOne() {
    PlaceSingle(play_, picker_, pickContext(settings_.grid));
}

void PlayModel::placeOneMoving() {
    turnLineToLastHit();
    // An invader at the highest angle could stand behind the turned line.
    PlaceSingle(play_, picker_, pickContext(settings_.grid.withoutHighest()));
    play_.mLineDir = CountDirection(play_.mLineAngle, play_.gInvAngle[0]);
}

void PlayModel::placeThree() {
    PlaceOrRefillThree(play_, picker_, pickContext(settings_.grid));
    play_.mNearSlot = NearestSlot(play_.gInvDist);
}

void PlayModel::placeThreeMoving() {
    turnLineToLastHit();
    PlaceOrRefillThree(play_, picker_, pickContext(settings_.grid));
    play_.mNearSlot = NearestSlot(play_.gInvDist);
    play_.mLineDir = CountDirection(play_.mLineAngle, play_.gInvAngle[NearestSlot(play_.gInvDist)]);
}

void PlayModel::turnLineToLastHit() {
    play_.mLineAngle = play_.gLastAngle1;
}

void PlayModel::finishOnePlacement(Round& round) {
    round.placed = true;
    round.walks[0] = true;
    play_.gTarget = kEmptySlot;
    beginRound();
}

void PlayModel::finishThreePlacement(Round& round) {
    round.placed = true;
    if (play_.gRest < 3) {
        // No more invaders may stand on the field than are left to shoot.
        play_.gInvAngle.at(play_.gTarget) = kRetiredSlot;
    } else {
        round.walks = {true, true, true};
    }
    play_.gTarget = kEmptySlot;
    beginRound();
}

void PlayModel::beginRound() {
    roundStart_ = clock_.now();
}

bool PlayModel::typeKey(char32_t key) {
    const TypedKey typed = TypeKey(play_.gInputAngle, key, settings_.grid.highest);
    play_.gInputAngle = typed.angle;
    return typed.click;
}

bool PlayModel::takeAim() {
    play_.gInputAngle = settings_.grid.snap(play_.gInputAngle);
    return play_.gInputAngle != 0;
}

void PlayModel::fire() {
    play_.gTarget = TargetSlot(play_.gInvAngle, aimedDirection());
    firedAt_ = clock_.now();
    setPhase(PlayPhase::Fan);
}

void PlayModel::endPlay() {
    play_.gInputAngle = 0;
}

FanTick PlayModel::stepFan() {
    FanTick tick =
        StepFan(fan_, state_.gStage, play_.mLineAngle, play_.mLineDir, play_.gInputAngle);
    if (tick.finished) {
        fan_.fanActive = 0;
        tick.narrow = (state_.gStage == 1 || state_.gStage == 2) && play_.gInputAngle < 45;
        setPhase(PlayPhase::Shot);
    }
    return tick;
}

ShotTick PlayModel::stepShot() {
    ShotTick tick;
    tick.firedAngle = play_.gInputAngle;
    tick.direction = aimedDirection();
    tick.length = ShotLength(shotStep_);
    if (shotStep_ < 5) {
        tick.sounds = shotStep_ == 0;
        ++shotStep_;
        return tick;
    }
    shotStep_ = 0;
    tick.reachedRim = true;
    if (play_.gTarget != kEmptySlot) {
        tick.hitSlot = play_.gTarget;
        tick.award = judgeHit();
        hitTick_ = 0;
        setPhase(PlayPhase::HitFollowUp);
    } else {
        tick.missed = judgeMiss();
        tick.endsGame = state_.gScore == 0 && !settings_.practice;
        if (!tick.endsGame) {
            // The child may type the next angle at once.
            play_.gInputAngle = 0;
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
    if (hitTick_ == ticks.hideTick && play_.gTarget != kEmptySlot) {
        tick.hideSlot = play_.gTarget;
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
            tick.countArrow = state_.gStage == 3;
        }
    }
    return tick;
}

Award PlayModel::judgeHit() {
    GameState& g = state_;
    PlayState& p = play_;
    const int t = p.gTarget;
    const Award award =
        AwardFor(fromLine(t), DistanceBand(p.gInvDist.at(t)), g.gLevel, points_, random_);
    g.gScore += award.points;
    p.gRest -= 1;
    p.gLastAngle3 = p.gLastAngle2;
    p.gLastAngle2 = p.gLastAngle1;
    p.gLastAngle1 = aimedDirection();
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
    tick.distance = play_.gInvDist.at(slot);
    tick.angle = play_.gInvAngle[slot];
    tick.band = DistanceBand(tick.distance);
    tick.frame = invFrame_[slot];
    if (settings_.practice) {
        // No time pressure: no step nearer and no footsteps, only the walking pictures.
        tick.interval = kMarkTimeMs;
        invFrame_[slot] = (invFrame_[slot] + 1) % 2;
        return tick;
    }
    tick.interval =
        ApproachInterval(g.gLevel, slot, play_.mNearSlot, play_.gRest, tick.angle, tick.distance);
    play_.gInvDist[slot] = tick.distance - kStep;
    if (play_.gInvDist[slot] > kEarthReached) {
        tick.footstep = slot == play_.mNearSlot && !busy();
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
    return play_.mLineAngle + play_.mLineDir * play_.gInputAngle;
}

int PlayModel::attackerAngle() const {
    return fromLine(NearestSlot(play_.gInvDist));
}

int PlayModel::attackerDirection() const {
    return play_.gInvAngle.at(NearestSlot(play_.gInvDist));
}

bool PlayModel::marksShown() const {
    return state_.gLevel == 1;
}

bool PlayModel::hintAllowed() const {
    return state_.gLevel == 2;
}

int PlayModel::messageDirection(int firedAngle) const {
    const int h = firedAngle / 2;
    return state_.gStage == 3 ? static_cast<int>(h * play_.mLineDir + play_.mLineAngle) : h;
}

int PlayModel::answeredSlot() const {
    // No invader was hit: the one the child had to answer is the nearest still standing. Equally
    // near ones (all of them in practice, where none walks) are told apart by the angle typed.
    const auto& dist = play_.gInvDist;
    const auto miss = [&](int slot) { return std::abs(fromLine(slot) - play_.gInputAngle); };
    int answered = -1;
    for (int slot = 0; slot < int(dist.size()); ++slot) {
        if (play_.gInvAngle[slot] == kRetiredSlot) {
            continue;
        }
        if (answered < 0 || dist[slot] < dist[answered] ||
            (dist[slot] == dist[answered] && miss(slot) < miss(answered))) {
            answered = slot;
        }
    }
    return answered < 0 ? int(NearestSlot(play_.gInvDist)) : answered;
}

int PlayModel::fromLine(int slot) const {
    return (play_.gInvAngle.at(slot) - play_.mLineAngle) * play_.mLineDir;
}

JudgedShot PlayModel::judged(int slot, bool hit, int points) const {
    JudgedShot shot;
    shot.level = state_.gLevel;
    shot.stage = state_.gStage;
    shot.rightAngle = fromLine(slot);
    shot.typedAngle = play_.gInputAngle;
    shot.hit = hit;
    shot.points = points;
    shot.elapsedMs = firedAt_ - roundStart_;
    shot.sinceFireMs = clock_.now() - firedAt_;
    return shot;
}
