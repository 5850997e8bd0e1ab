#include "art/colours.h"
#include "kit/keys.h"
#include "kit/navigator.h"
#include "play/frm_tezra.h"
#include "state/game_state.h"

void FrmTezra::Form_KeyPress(char32_t keyAscii) {
    // During the miss follow-up's shake the player may already aim again.
    if (model_.phase() != PlayPhase::Aiming && model_.phase() != PlayPhase::MissFollowUp) {
        return;
    }
    if (keyAscii == KeyCode::Space) {
        cmdShoot_Click();
        return;
    }
    if (model_.typeKey(keyAscii)) {
        SoundPo();
    }
    ShowInputAngle();
}

void FrmTezra::Form_KeyDown(int keyCode, int shift) {
    if (keyCode == KeyCode::F4 && shift == ShiftState::Alt) {
        sv.nav.endProgram();
        return;
    }
    if (keyCode == KeyCode::Enter && cmdShoot->isVisibleTo(this)) {
        // Enter belongs to the fire button wherever the focus is: with nothing typed it only
        // clears the entry, and never reaches another button.
        cmdShoot_Click();
        return;
    }
    if (keyCode == KeyCode::F1) {
        if (cmdHelp->isEnabled()) {
            cmdHelp_Click();
        }
        return;
    }
    if (keyCode == KeyCode::B && shift == (ShiftState::Shift | ShiftState::Ctrl) &&
        model_.hintAllowed()) {
        DrawScaleMarks();
    }
}

bool FrmTezra::KeepsKey(int keyCode) const {
    return keyCode == KeyCode::Enter || keyCode == KeyCode::Space;
}

void FrmTezra::cmdShoot_Click() {
    const bool firing = model_.takeAim();
    ShowInputAngle();
    if (!firing) {
        return;
    }
    SoundPo();
    model_.fire();
    cmdShoot->hide();
    picMain->setFocus();
    lblMsg[0]->hide();
    RedrawField();
    tmrOugi->setEnabled(true);
}

void FrmTezra::ShowInputAngle() {
    const Int16 angle = model_.playState().gInputAngle;
    if (angle != 0) {
        lblAngle->setForeground(kWhite);
        cmdShoot->show();
        cmdShoot->setFocus();
    } else {
        lblAngle->setForeground(kEntryGrey);
        cmdShoot->hide();
    }
    lblAngle->setCaption(QString::number(angle));
}

void FrmTezra::ShowStatus() {
    lblRest->setCaption(QString::number(model_.playState().gRest));
    lblScore->setCaption(QString::number(sv.state.gScore));
}

void FrmTezra::RedrawField() {
    picMain->cls();
    for (QWidget* label : {lblHitMsg, lblHitAngle, lblHitPoint, lblArw, lblAnswer}) {
        label->hide();
    }
    if (model_.marksShown()) {
        DrawScaleMarks();
    }
    Line1[1]->setP1({1, Line1[1]->p1().y()});
    Line2->setP1({0, 0});
    Line2->setP2({0, 0});
}

void FrmTezra::HidePlayArea() {
    for (QWidget* w : {static_cast<QWidget*>(picMain), picHiScore, picInp, picLevelDisp,
                       static_cast<QWidget*>(lblMsg[0]), static_cast<QWidget*>(cmdChange),
                       static_cast<QWidget*>(cmdEnd), static_cast<QWidget*>(cmdShoot),
                       static_cast<QWidget*>(cmdHelp)}) {
        w->hide();
    }
    tmrWatch->setEnabled(false);
    lblMsg[0]->hide();
    Frame1->hide();
}

void FrmTezra::ShowPlayArea() {
    for (QWidget* w : {static_cast<QWidget*>(picMain), picHiScore, picInp, picLevelDisp,
                       static_cast<QWidget*>(lblMsg[0]), static_cast<QWidget*>(cmdChange),
                       static_cast<QWidget*>(cmdEnd), static_cast<QWidget*>(cmdHelp)}) {
        w->show();
    }
    tmrWatch->setEnabled(true);
    lblMsg[0]->show();
    Frame1->show();
}

void FrmTezra::cmdChange_Click() {
    sv.state.gScore = 300;
    emit ended(PlayOutcome::ChangeLevel);
}

void FrmTezra::cmdEnd_Click() {
    emit ended(PlayOutcome::Quit);
}

void FrmTezra::cmdHelp_Click() {
    emit ended(PlayOutcome::ShowHelp);
}
