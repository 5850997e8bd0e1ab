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
    const FanTick tick = model_.stepFan();
    if (tick.slice) {
        DrawFanWedge(*picMain, kFanRadius, *tick.slice);
    }
    if (tick.finished) {
        if (tick.narrow) {
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
        ShowHit(*tick.hitSlot, tick);
    } else {
        ShowMiss(tick);
    }
}

void FrmTezra::ShowHit(int slot, const ShotTick& tick) {
    const PlayState& p = model_.playState();
    const Award& award = tick.award;
    tmrInv.at(slot)->setEnabled(false);
    imgInv.at(slot)->setPixmap(
        PixelArt(sv.state.gInvPictures.at(DistanceBand(p.gInvDist.at(slot)))[2], *imgInv.at(slot)));
    SoundPyu();
    ShowHitMessage(tick.firedAngle);
    if (award.labelShown) {
        const int d = p.gInvDist[slot];
        const int a = p.gInvAngle[slot];
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
    ShowHitMessage(tick.firedAngle);
    if (sv.run.settings.showAnswer && tick.missed) {
        ShowAnswer(*tick.missed);
    }
    ShowInputAngle();
    tmrAfterMiss->setEnabled(true);
}

void FrmTezra::ShowHitMessage(int firedAngle) {
    const int direction = model_.messageDirection(firedAngle);
    const QPointF q(AngleX(130, direction), AngleY(130, direction));
    placeOnScreenSide(lblHitMsg, q.x(), -60, q.y() + 60);
    placeOnScreenSide(lblHitAngle, q.x(), -60, q.y() + 21);
    lblHitMsg->setCaption(model_.playState().gTarget == kEmptySlot ? "ミス !!" : "命中 !!");
    lblHitAngle->setCaption(QString::number(firedAngle) + "゜");
    lblHitMsg->show();
    lblHitAngle->show();
}

void FrmTezra::DrawMissBurst(float x, float y) {
    DrawStarburst(*picMain, sv.random, x, y, {{61, 9, 0}, {13, 8, 9}});
}
