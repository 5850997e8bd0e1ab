#include "art/demo_background.h"
#include "play/field_drawing.h"
#include "state/angles.h"
#include "state/game_state.h"
#include "title/frm_tezra_start.h"

namespace {
constexpr int kCyanBand = 3;
constexpr int kFanRadius = 30;
constexpr int kShotStep = 60;
constexpr int kSweepTickMs = 200;
// The shot moves as fast as the timer allows.
constexpr int kFlightTickMs = 5;
// The invader stands straight above the cannon.
constexpr int kInvAngle = 90;
constexpr int kInvDist = 200;
}  // namespace

void FrmTezraStart::tmrDemo_Timer() {
    tmrDemo->setEnabled(false);
    // While a shot runs the count stands still.
    if (mDemoBusy == 0) {
        demoTick += 1;
        switch (demoTick) {
            case 3:
                ClearDemo();
                StartDemoShot(140);
                break;
            case 6:
                ClearDemo();
                StartDemoShot(80);
                break;
            case 9:
                ClearDemo();
                StartDemoShot(kInvAngle);
                break;
            case 11:
                ClearDemo();
                demoTick = 0;
                break;
            default:
                break;
        }
    }
    tmrDemo->setEnabled(true);
}

void FrmTezraStart::StartDemoShot(int angle) {
    mDemoBusy = 1;
    demoInvDist = kInvDist;
    demoInvAngle = kInvAngle;
    Line1->setVisible(true);
    demoHit = false;
    picDemo->place(imgInv, AngleX(kInvDist, kInvAngle) - 16, AngleY(kInvDist, kInvAngle) + 16);
    tmrInv->setEnabled(true);
    demoAngle = angle;
    BeginDemoSweep();
}

void FrmTezraStart::BeginDemoSweep() {
    Line2->setP2({0, 0});
    picDemo->cls();
    tmrS->setInterval(kSweepTickMs);
    tmrS->setEnabled(true);
}

void FrmTezraStart::tmrS_Timer() {
    tmrS->setEnabled(false);
    if (demoPhase == 0) {
        tmrOugi->setEnabled(true);
        tmrS->setEnabled(true);
        return;
    }
    tmrS->setInterval(kFlightTickMs);
    const int angle = demoAngle;
    const int length = shotDist < kDemoRadius ? static_cast<int>(shotDist) : kDemoRadius;
    DrawShotLine(*Line2, length, angle);
    if (shotDist < kDemoRadius) {
        shotDist += kShotStep;
        tmrS->setEnabled(true);
        return;
    }
    if (angle == demoInvAngle) {
        demoHit = true;
    } else {
        DrawDemoBurst(AngleX(kDemoRadius, angle), AngleY(kDemoRadius, angle));
    }
    demoPhase = 0;
    shotDist = 0;
    mDemoBusy = 0;
}

void FrmTezraStart::tmrOugi_Timer() {
    tmrOugi->setEnabled(false);
    // The demonstration's red line points right, as in the first stage.
    const FanTick tick = StepFan(fan, 1, 0, 1, demoAngle);
    if (!tick.slice) {
        tmrOugi->setEnabled(true);
        return;
    }
    DrawFanWedge(*picDemo, kFanRadius, *tick.slice);
    if (tick.finished) {
        fan.fanActive = 0;
        demoPhase = 1;
        return;
    }
    tmrOugi->setEnabled(true);
}

void FrmTezraStart::tmrInv_Timer() {
    tmrInv->setEnabled(false);
    GameState& g = sv.state;
    if (hitHold >= 1) {
        hitHold -= 1;
    } else if (!demoHit) {
        invFrame = invFrame == 0 ? 1 : 0;
        imgInv->setPixmap(PixelArt(g.gInvPictures[kCyanBand][invFrame], *imgInv));
    } else {
        imgInv->setPixmap(PixelArt(g.gInvPictures[kCyanBand][2], *imgInv));
        demoHit = false;
        hitHold = 2;
    }
    tmrInv->setEnabled(true);
}

void FrmTezraStart::DrawDemoBurst(float x, float y) {
    DrawStarburst(*picDemo, sv.random, x, y, {{61, 7, 0}, {11, 8, 7}});
}

void FrmTezraStart::ClearDemo() {
    Line2->setVisible(false);
    picDemo->cls();
    Line1->setVisible(false);
}
