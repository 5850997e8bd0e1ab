#include "art/colours.h"
#include "play/field_drawing.h"
#include "play/frm_tezra.h"
#include "play/placement_rules.h"
#include "state/angles.h"
#include "state/field_geometry.h"
#include "state/game_state.h"

void FrmTezra::PlaceOne() {
    GameState& g = sv.state;
    PlaceSingle(g, sv.random, 180);
    FinishOnePlacement();
}

void FrmTezra::FinishOnePlacement() {
    tmrWatch->setEnabled(true);
    tmrInv[0]->setEnabled(true);
    sv.state.gTarget = kEmptySlot;
    model_.beginRound();
}

void FrmTezra::TurnLineToLastHit() {
    model_.setLine(sv.state.gLastAngle1, model_.lineDir());
    Line1[0]->setP2(
        {AngleX(kFieldRadius, model_.lineAngle()), AngleY(kFieldRadius, model_.lineAngle())});
}

void FrmTezra::PlaceOneMoving() {
    GameState& g = sv.state;
    TurnLineToLastHit();
    PlaceSingle(g, sv.random, 170);
    model_.setLine(model_.lineAngle(), CountDirection(model_.lineAngle(), g.gInvAngle[0]));
    DrawCountArrow();
    FinishOnePlacement();
}

void FrmTezra::PlaceThree() {
    GameState& g = sv.state;
    PlaceOrRefillThree(g, sv.random);
    model_.setNearSlot(NearestSlot(g));
    FinishThreePlacement();
}

void FrmTezra::FinishThreePlacement() {
    GameState& g = sv.state;
    tmrWatch->setEnabled(true);
    if (g.gRest < 3) {
        // No more invaders may stand on the field than are left to shoot.
        g.gInvAngle.at(g.gTarget) = kRetiredSlot;
    } else {
        for (auto& timer : tmrInv) {
            timer->setEnabled(true);
        }
    }
    g.gTarget = kEmptySlot;
    model_.beginRound();
}

void FrmTezra::PlaceThreeMoving() {
    GameState& g = sv.state;
    TurnLineToLastHit();
    PlaceOrRefillThree(g, sv.random);
    model_.setNearSlot(NearestSlot(g));
    model_.setLine(model_.lineAngle(),
                   CountDirection(model_.lineAngle(), g.gInvAngle[NearestSlot(g)]));
    DrawCountArrow();
    FinishThreePlacement();
}

void FrmTezra::DrawCountArrow() {
    const CountArrowLabel label = DrawCountingArrow(*picMain, model_.lineAngle(), model_.lineDir());
    lblArw->setCaption(label.caption);
    picMain->place(lblArw, label.at.x(), label.at.y());
    lblArw->show();
}

void FrmTezra::DrawScaleMarks() {
    DrawProtractor(*picMain);
}
