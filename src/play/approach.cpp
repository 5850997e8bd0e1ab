#include "play/frm_tezra.h"
#include "state/angles.h"
#include "state/game_state.h"

void FrmTezra::tmrInv_Timer(int i) {
    const GameState& g = sv.state;
    tmrInv.at(i)->setEnabled(false);
    imgInv[i]->hide();
    const ApproachTick tick = model_.stepApproach(i);
    tmrInv[i]->setInterval(tick.interval);
    imgInv[i]->setPixmap(PixelArt(g.gInvPictures.at(tick.band).at(tick.frame), *imgInv[i]));
    picMain->place(imgInv[i], AngleX(tick.distance, tick.angle) + mImgOfsX,
                   AngleY(tick.distance, tick.angle) + 16);
    imgInv[i]->show();
    if (tick.arrived) {
        BeginGameOver();
        return;
    }
    if (tick.footstep) {
        SoundBu(tick.frame);
    }
    tmrInv[i]->setEnabled(true);
}

void FrmTezra::BeginGameOver() {
    EndPlay();
    model_.beginGameOver();
    const bool mirrored = picMain->scaleWidth() < 0;
    const double lefts[] = {mirrored ? 150.0 : -150.0, mirrored ? 110.0 : -110.0};
    const double tops[] = {230, 183};
    for (int i = 0; i < 2; ++i) {
        lblOverMsg[i]->setCaption("");
        picMain->place(lblOverMsg[i], lefts[i], tops[i]);
        lblOverMsg[i]->show();
    }
    tmrGameOver1->setEnabled(true);
}
