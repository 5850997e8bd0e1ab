#include "play/field_drawing.h"
#include "play/frm_tezra.h"
#include "state/angles.h"
#include "state/field_geometry.h"
#include "state/game_state.h"
#include "state/run_memory.h"

namespace {
constexpr int kFanRadius = 35;
}  // namespace

void FrmTezra::tmrOugi_Timer() {
    tmrOugi->setEnabled(false);
    const GameState& g = sv.state;
    const FanTick tick = model_.stepFan();
    if (tick.slice) {
        DrawFanWedge(*picMain, kFanRadius, *tick.slice);
    }
    if (tick.finished) {
        if ((g.gStage == 1 || g.gStage == 2) && g.gInputAngle < 45) {
            // The upper strand would show through a narrow fan.
            Line1[1]->setP1({33, Line1[1]->p1().y()});
        }
        tmrS->setEnabled(true);
        return;
    }
    SoundPu();
    tmrOugi->setEnabled(true);
}

void FrmTezra::tmrS_Timer() {
    tmrS->setEnabled(false);
    const ShotTick tick = model_.stepShot();
    DrawShotLine(*Line2, tick.length, tick.direction);
    if (!tick.reachedRim) {
        if (tick.sounds) {
            SoundShoot();
        }
        tmrS->setEnabled(true);
        return;
    }
    if (tick.hitSlot) {
        ShowHit(*tick.hitSlot, tick.award);
    } else {
        ShowMiss(tick);
    }
}

void FrmTezra::ShowHit(int slot, const Award& award) {
    const GameState& g = sv.state;
    tmrInv.at(slot)->setEnabled(false);
    imgInv.at(slot)->setPixmap(
        PixelArt(g.gInvPictures.at(DistanceBand(g.gInvDist.at(slot)))[2], *imgInv.at(slot)));
    SoundPyu();
    ShowHitMessage();
    if (award.labelShown) {
        const int d = g.gInvDist[slot];
        const int a = g.gInvAngle[slot];
        lblHitPoint->setCaption(QString::number(award.points));
        lblHitPoint->setForeground(award.colour);
        if (award.side == LabelSide::RightAbove) {
            placeOnScreenSide(lblHitPoint, AngleX(d, a), 12, AngleY(d, a) + 7);
        } else {
            placeOnScreenSide(lblHitPoint, AngleX(d, a), -20, AngleY(d, a) + 16);
        }
        lblHitPoint->show();
    }
    ShowStatus();
    tmrAfterHit->setEnabled(true);
}

void FrmTezra::ShowMiss(const ShotTick& tick) {
    DrawMissBurst(AngleX(kFieldRadius, tick.direction), AngleY(kFieldRadius, tick.direction));
    SoundDen();
    ShowStatus();
    if (tick.endsGame) {
        BeginGameOver();
        return;
    }
    ShowHitMessage();
    if (sv.run.settings.showAnswer && tick.missed) {
        ShowAnswer(*tick.missed);
    }
    sv.state.gInputAngle = 0;
    ShowInputAngle();
    tmrAfterMiss->setEnabled(true);
}

void FrmTezra::ShowHitMessage() {
    GameState& g = sv.state;
    const int h = g.gInputAngle / 2;
    const int direction =
        g.gStage == 3 ? static_cast<int>(h * model_.lineDir() + model_.lineAngle()) : h;
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
