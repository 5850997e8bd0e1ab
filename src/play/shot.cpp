#include "play/field_drawing.h"
#include "play/frm_tezra.h"
#include "state/angles.h"
#include "state/field_geometry.h"
#include "state/game_state.h"

namespace {
constexpr int kFanRadius = 35;
constexpr int kMissPenalty = 30;
}  // namespace

void FrmTezra::tmrOugi_Timer() {
    tmrOugi->setEnabled(false);
    GameState& g = sv.state;
    const FanTick tick = StepFan(fan_, g.gStage, mLineAngle, mLineDir, g.gInputAngle);
    if (tick.slice) {
        DrawFanWedge(*picMain, kFanRadius, *tick.slice);
    }
    if (tick.finished) {
        fan_.fanActive = 0;
        if ((g.gStage == 1 || g.gStage == 2) && g.gInputAngle < 45) {
            // The upper strand would show through a narrow fan.
            Line1[1]->setP1({33, Line1[1]->p1().y()});
        }
        setPhase(PlayPhase::Shot);
        tmrS->setEnabled(true);
        return;
    }
    SoundPu();
    tmrOugi->setEnabled(true);
}

void FrmTezra::tmrS_Timer() {
    tmrS->setEnabled(false);
    GameState& g = sv.state;
    const int d = aimedDirection();
    const double length = ShotLength(shotStep_);
    DrawShotLine(*Line2, length, d);
    if (shotStep_ < 5) {
        if (shotStep_ == 0) {
            SoundShoot();
        }
        ++shotStep_;
        tmrS->setEnabled(true);
        return;
    }
    shotStep_ = 0;
    if (g.gTarget != kEmptySlot) {
        const int t = g.gTarget;
        tmrInv.at(t)->setEnabled(false);
        imgInv.at(t)->setPixmap(
            PixelArt(g.gInvPictures.at(DistanceBand(g.gInvDist.at(t)))[2], *imgInv.at(t)));
        SoundPyu();
        ScoreHit();
    } else {
        DrawMissBurst(AngleX(kFieldRadius, d), AngleY(kFieldRadius, d));
        SoundDen();
        HandleMiss();
    }
}

void FrmTezra::ScoreHit() {
    GameState& g = sv.state;
    const int t = g.gTarget;
    ShowHitMessage();
    const int rel = (g.gInvAngle.at(t) - mLineAngle) * mLineDir;
    const int band = DistanceBand(g.gInvDist.at(t));
    const QPointF p(AngleX(g.gInvDist[t], g.gInvAngle[t]), AngleY(g.gInvDist[t], g.gInvAngle[t]));
    const Award award = AwardFor(rel, band, g.gLevel, mPoints, sv.random);
    g.gScore += award.points;
    if (award.labelShown) {
        lblHitPoint->setCaption(QString::number(award.points));
        lblHitPoint->setForeground(award.colour);
        if (award.side == LabelSide::RightAbove) {
            placeOnScreenSide(lblHitPoint, p.x(), 12, p.y() + 7);
        } else {
            placeOnScreenSide(lblHitPoint, p.x(), -20, p.y() + 16);
        }
        lblHitPoint->show();
    }
    g.gRest -= 1;
    ShowStatus();
    g.gLastAngle3 = g.gLastAngle2;
    g.gLastAngle2 = g.gLastAngle1;
    g.gLastAngle1 = aimedDirection();
    hitTick_ = 0;
    setPhase(PlayPhase::HitFollowUp);
    tmrAfterHit->setEnabled(true);
}

void FrmTezra::HandleMiss() {
    GameState& g = sv.state;
    mBusy = 0;
    const Int32 left = g.gScore - kMissPenalty;
    g.gScore = left < 0 ? Int32(0) : left;
    ShowStatus();
    if (g.gScore == 0) {
        BeginGameOver();
        return;
    }
    ShowHitMessage();
    g.gInputAngle = 0;
    ShowInputAngle();
    missTick_ = 0;
    setPhase(PlayPhase::MissFollowUp);
    tmrAfterMiss->setEnabled(true);
}

void FrmTezra::ShowHitMessage() {
    GameState& g = sv.state;
    const int h = g.gInputAngle / 2;
    const int direction = g.gStage == 3 ? static_cast<int>(h * mLineDir + mLineAngle) : h;
    const QPointF q(AngleX(130, direction), AngleY(130, direction));
    placeOnScreenSide(lblHitMsg, q.x(), -60, q.y() + 60);
    placeOnScreenSide(lblHitAngle, q.x(), -60, q.y() + 21);
    lblHitMsg->setCaption(g.gTarget == kEmptySlot ? "ミス !!" : "命中 !!");
    lblHitAngle->setCaption(QString::number(g.gInputAngle) + "゜");
    lblHitMsg->show();
    lblHitAngle->show();
}

void FrmTezra::DrawMissBurst(float x, float y) {
    DrawStarburst(*picMain, sv.random, x, y, {{61, 9, 0}, {13, 8, 9}});
}
