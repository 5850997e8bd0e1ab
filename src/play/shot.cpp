#include "play/field_drawing.h"
#include "play/frm_tezra.h"
#include "state/angles.h"
#include "state/field_geometry.h"
#include "state/game_state.h"

namespace {
constexpr int kFanRadius = 35;
}  // namespace

void FrmTezra::tmrOugi_Timer() {
    tmrOugi->setEnabled(false);
    GameState& g = sv.state;
    const FanTick tick = model_.stepFan();
    if (tick.slice) {
        DrawFanWedge(*picMain, kFanRadius, *tick.slice);
    }
    if (tick.finished) {
        model_.fan.fanActive = 0;
        if ((g.gStage == 1 || g.gStage == 2) && g.gInputAngle < 45) {
            // The upper strand would show through a narrow fan.
            Line1[1]->setP1({33, Line1[1]->p1().y()});
        }
        model_.setPhase(PlayPhase::Shot);
        tmrS->setEnabled(true);
        return;
    }
    SoundPu();
    tmrOugi->setEnabled(true);
}

void FrmTezra::tmrS_Timer() {
    tmrS->setEnabled(false);
    GameState& g = sv.state;
    const int d = model_.aimedDirection();
    const double length = ShotLength(model_.shotStep);
    DrawShotLine(*Line2, length, d);
    if (model_.shotStep < 5) {
        if (model_.shotStep == 0) {
            SoundShoot();
        }
        ++model_.shotStep;
        tmrS->setEnabled(true);
        return;
    }
    model_.shotStep = 0;
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
    const QPointF p(AngleX(g.gInvDist[t], g.gInvAngle[t]), AngleY(g.gInvDist[t], g.gInvAngle[t]));
    const Award award = model_.judgeHit();
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
    ShowStatus();
    model_.hitTick = 0;
    model_.setPhase(PlayPhase::HitFollowUp);
    tmrAfterHit->setEnabled(true);
}

void FrmTezra::HandleMiss() {
    GameState& g = sv.state;
    model_.judgeMiss();
    ShowStatus();
    if (g.gScore == 0) {
        BeginGameOver();
        return;
    }
    ShowHitMessage();
    g.gInputAngle = 0;
    ShowInputAngle();
    model_.missTick = 0;
    model_.setPhase(PlayPhase::MissFollowUp);
    tmrAfterMiss->setEnabled(true);
}

void FrmTezra::ShowHitMessage() {
    GameState& g = sv.state;
    const int h = g.gInputAngle / 2;
    const int direction =
        g.gStage == 3 ? static_cast<int>(h * model_.mLineDir + model_.mLineAngle) : h;
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
