#include "art/colours.h"
#include "play/field_geometry.h"
#include "play/frm_tezra.h"
#include "play/placement_rules.h"
#include "state/angles.h"
#include "state/game_state.h"

namespace {
constexpr int kArcRadius = 250;

QPointF polar(double r, double angle) {
    return {AngleX(r, angle), AngleY(r, angle)};
}
}  // namespace

void FrmTezra::PlaceOne() {
    GameState& g = sv.state;
    PlaceSingle(g, sv.random, 180);
    tmrWatch->setEnabled(true);
    tmrInv[0]->setEnabled(true);
    g.gTarget = kEmptySlot;
    mBusy = 0;
}

void FrmTezra::PlaceOneMoving() {
    GameState& g = sv.state;
    mLineAngle = g.gLastAngle1;
    Line1[0]->p2 = polar(kFieldRadius, mLineAngle);
    picMain->update();
    PlaceSingle(g, sv.random, 170);
    mLineDir = CountDirection(mLineAngle, g.gInvAngle[0]);
    DrawCountArrow();
    tmrWatch->setEnabled(true);
    tmrInv[0]->setEnabled(true);
    g.gTarget = kEmptySlot;
    mBusy = 0;
}

void FrmTezra::PlaceThree() {
    GameState& g = sv.state;
    PlaceOrRefillThree(g, sv.random);
    mNearSlot = NearestSlot(g);
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
    mBusy = 0;
}

void FrmTezra::PlaceThreeMoving() {
    GameState& g = sv.state;
    mLineAngle = g.gLastAngle1;
    Line1[0]->p2 = polar(kFieldRadius, mLineAngle);
    picMain->update();
    PlaceOrRefillThree(g, sv.random);
    mNearSlot = NearestSlot(g);
    mLineDir = CountDirection(mLineAngle, g.gInvAngle[NearestSlot(g)]);
    DrawCountArrow();
    FinishThreePlacement();
}

void FrmTezra::DrawCountArrow() {
    const int L = mLineAngle;
    const int d = mLineDir;
    const QPointF tip = polar(kArcRadius, L + 10 * d);
    picMain->setAutoRedraw(true);
    double strokeA = 0;
    double strokeB = 0;
    if (d == -1) {
        picMain->arc({0, 0}, kArcRadius, kWhite, L - 10, L);
        strokeA = L + 5 * d + 60;
        strokeB = L + 5 * d + 120;
        lblArw->setCaption("右へ");
    } else {
        picMain->arc({0, 0}, kArcRadius, kWhite, L, L + 10);
        strokeA = L + 5 * d - 60;
        strokeB = L + 5 * d + 180 + 60;
        lblArw->setCaption("左へ");
    }
    for (double a : {strokeA, strokeB}) {
        picMain->line(tip, tip + polar(10, a), kWhite);
    }
    const int m = L + 5 * d;
    const QPointF mid = polar(kArcRadius, m);
    picMain->place(lblArw, L + d > 89 ? mid.x() - 26 : mid.x(), mid.y() + 14);
    lblArw->show();
    picMain->setAutoRedraw(false);
}

void FrmTezra::DrawScaleMarks() {
    auto radial = [this](double a, double r1, double r2, const QColor& colour) {
        picMain->line(polar(r1, a), polar(r2, a), colour);
    };
    picMain->arc({0, 0}, 70, kCyan, 0, 180);
    for (int a = 0; a <= 180; a += 10) {
        radial(a, 17, 70, kCyan);
    }
    for (int a : {0, 90, 180}) {
        radial(a, 0, 76, kCyan);
    }
    for (int a = 0; a <= 180; ++a) {
        picMain->point(polar(kFieldRadius, a), kWhite);
    }
    for (int a = 0; a <= 180; a += 10) {
        radial(a, 300, 311, kWhite);
    }
    for (int a : {0, 90, 180}) {
        radial(a, 290, 311, kWhite);
    }
}
