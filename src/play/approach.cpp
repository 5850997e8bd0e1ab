#include "play/approach_rules.h"
#include "play/frm_tezra.h"
#include "state/angles.h"
#include "state/game_state.h"

namespace {
constexpr int kStep = 3;
constexpr int kEarthReached = 18;
}  // namespace

void FrmTezra::tmrInv_Timer(int i) {
    GameState& g = sv.state;
    tmrInv.at(i)->setEnabled(false);
    imgInv[i]->hide();
    const Int16 d = g.gInvDist.at(i);
    model_.invBand[i] = DistanceBand(d);
    tmrInv[i]->setInterval(
        ApproachInterval(g.gLevel, i, model_.nearSlot(), g.gRest, g.gInvAngle[i], d));
    imgInv[i]->setPixmap(
        PixelArt(g.gInvPictures.at(model_.invBand[i]).at(model_.invFrame[i]), *imgInv[i]));
    picMain->place(imgInv[i], AngleX(d, g.gInvAngle[i]) + mImgOfsX, AngleY(d, g.gInvAngle[i]) + 16);
    g.gInvDist[i] = d - kStep;
    if (g.gInvDist[i] > kEarthReached) {
        if (i == model_.nearSlot() && !model_.busy()) {
            SoundBu(model_.invFrame[i]);
        }
        imgInv[i]->show();
        model_.invFrame[i] = (model_.invFrame[i] + 1) % 2;
        tmrInv[i]->setEnabled(true);
        return;
    }
    imgInv[i]->show();
    BeginGameOver();
}

void FrmTezra::BeginGameOver() {
    GameState& g = sv.state;
    EndPlay();
    model_.setPhase(PlayPhase::GameOver);
    model_.endGame();
    const bool mirrored = g.gStage == 2;
    const double lefts[] = {mirrored ? 150.0 : -150.0, mirrored ? 110.0 : -110.0};
    const double tops[] = {230, 183};
    for (int i = 0; i < 2; ++i) {
        lblOverMsg[i]->setCaption("");
        picMain->place(lblOverMsg[i], lefts[i], tops[i]);
        lblOverMsg[i]->show();
    }
    model_.flashTick = 0;
    tmrGameOver1->setEnabled(true);
}
