#include <cmath>

#include "art/colours.h"
#include "kit/navigator.h"
#include "play/flow_rules.h"
#include "play/frm_tezra.h"
#include "play/prompts.h"
#include "play/stage_rules.h"
#include "state/angles.h"
#include "state/field_geometry.h"
#include "state/game_state.h"

namespace {
constexpr int kFieldRestTop = 35;
}  // namespace

void FrmTezra::tmrAfterHit_Timer() {
    tmrAfterHit->setEnabled(false);
    GameState& g = sv.state;
    mBusy = 1;
    ++hitTick_;
    const HitFollowUp ticks = HitFollowUpFor(g.gLevel);
    if (hitTick_ == ticks.hideTick && g.gTarget != kEmptySlot) {
        imgInv.at(g.gTarget)->hide();
    }
    if (hitTick_ == ticks.endTick) {
        if (g.gLevel == 3) {
            lblHitPoint->hide();
        }
        hitTick_ = 0;
        NextRound();
        return;
    }
    tmrAfterHit->setEnabled(true);
}

void FrmTezra::tmrAfterMiss_Timer() {
    tmrAfterMiss->setEnabled(false);
    ++missTick_;
    const MissFollowUp ticks = MissFollowUpFor(sv.state.gLevel);
    if (missTick_ <= ticks.lastShakeTick) {
        setFieldTop(picMain->y() + (missTick_ % 2 == 1 ? -2 : 2));
    } else if (missTick_ == ticks.putBackTick) {
        setFieldTop(kFieldRestTop);
    } else if (missTick_ == ticks.endTick) {
        missTick_ = 0;
        // A shot fired during the shake owns the field now: leave it alone.
        if (mBusy == 0) {
            setPhase(PlayPhase::Aiming);
            RedrawField();
            if (sv.state.gStage == 3) {
                DrawCountArrow();
            }
        }
        return;
    }
    tmrAfterMiss->setEnabled(true);
}

void FrmTezra::tmrWatch_Timer() {
    tmrWatch->setEnabled(false);
    if (mBusy == 1) {
        setFocus();
        lblMsg[0]->hide();
        cmdHelp->setEnabled(false);
        Frame1->setEnabled(false);
        blinkTick_ = 0;
        tmrWatch->setEnabled(true);
        return;
    }
    cmdHelp->setEnabled(true);
    Frame1->setEnabled(true);
    if (cmdShoot->isVisibleTo(this)) {
        setFocus();
        cmdShoot->setFocus();
        cmdHelp->setEnabled(false);
        Frame1->setEnabled(false);
        lblMsg[0]->setCaption(kPromptReady);
        lblMsg[0]->setBackground(kBlinkBlue);
    } else {
        lblMsg[0]->setCaption(kPromptType);
        lblMsg[0]->setBackground(kBlinkPurple);
    }
    ++blinkTick_;
    if (blinkTick_ <= 4) {
        lblMsg[0]->show();
    } else if (blinkTick_ == 5) {
        lblMsg[0]->hide();
    } else {
        blinkTick_ = 0;
    }
    tmrWatch->setEnabled(true);
}

void FrmTezra::lockControlsForEndSequence() {
    cmdHelp->setEnabled(false);
    Frame1->setEnabled(false);
    if (Screen* help = sv.nav.find(ScreenId::Help)) {
        sv.nav.unload(help);
    }
}

void FrmTezra::BeginStageClear() {
    GameState& g = sv.state;
    mBusy = 1;
    setPhase(PlayPhase::StageClear);
    cmdShoot->hide();
    RedrawField();
    stopAllTimers();
    lockControlsForEndSequence();
    StopBgm();
    const Advance next = AdvanceAfterClear(g.gLevel, g.gStage);
    g.gLevel = next.level;
    g.gStage = next.stage;
    if (next.allClear) {
        BeginAllClear();
        return;
    }
    // The grey copy stands 7 pixels lower as the white one's shadow.
    const int tops[] = {173, 180};
    for (int i = 0; i < 2; ++i) {
        const int y = static_cast<int>(std::lround(picMain->toScreen(0, tops[i]).y()));
        lblClearMsg[i]->move(lblClearMsg[i]->x(), y + FieldCanvas::kBorder);
    }
    clearTick_ = 0;
    tmrMsgSClear->setEnabled(true);
}

void FrmTezra::tmrMsgSClear_Timer() {
    tmrMsgSClear->setEnabled(false);
    mBusy = 1;
    ++clearTick_;
    const ClearStep step = ClearStepFor(clearTick_);
    if (step == ClearStep::ShowAndSound || step == ClearStep::Show) {
        lblClearMsg[1]->show();
        lblClearMsg[0]->show();
        if (step == ClearStep::ShowAndSound) {
            SoundStageClear();
        }
    } else if (step == ClearStep::Hide || step == ClearStep::End) {
        lblClearMsg[1]->hide();
        lblClearMsg[0]->hide();
    }
    if (step != ClearStep::End) {
        tmrMsgSClear->setEnabled(true);
        return;
    }
    clearTick_ = 0;
    emit ended(PlayOutcome::StageCleared);
}

void FrmTezra::EndPlay() {
    stopAllTimers();
    // The next shot after a continue starts from its first tick.
    fan_ = FanState{};
    shotStep_ = 0;
    hitTick_ = 0;
    missTick_ = 0;
    setFieldTop(kFieldRestTop);
    lockControlsForEndSequence();
    mBusy = 1;
    StopBgm();
    cmdShoot->hide();
    RedrawField();
    lblMsg[0]->hide();
    sv.state.gInputAngle = 0;
    ShowStatus();
    ShowInputAngle();
}

void FrmTezra::BeginAllClear() {
    EndPlay();
    setPhase(PlayPhase::AllClear);
    HidePlayArea();
    emit ended(PlayOutcome::AllClear);
}

void FrmTezra::tmrGameOver1_Timer() {
    tmrGameOver1->setEnabled(false);
    ++flashTick_;
    if (flashTick_ == 1) {
        savedPicture_ = picMain->picture();
        blankPicture_ = QImage();
    } else if (flashTick_ <= 10) {
        const bool even = flashTick_ % 2 == 0;
        setFieldTop(picMain->y() + (even ? -2 : 2));
        picMain->setPicture(even ? blankPicture_ : savedPicture_);
        if (flashTick_ == 2 || flashTick_ == 6) {
            SoundDen();
        }
    } else if (flashTick_ == 11) {
        setFieldTop(kFieldRestTop);
        picMain->setPicture(savedPicture_);
        savedPicture_ = QImage();
        blankPicture_ = QImage();
    } else {
        flashTick_ = 0;
        RedrawField();
        for (FieldLine* line : {Line1[0], Line1[1], Line2}) {
            line->setColour(kWhite);
        }
        const int a = sv.state.gInvAngle.at(NearestSlot(sv.state));
        Line2->setP2({AngleX(kFieldRadius, a), AngleY(kFieldRadius, a)});
        typeTick_ = 0;
        tmrGameOver2->setEnabled(true);
        return;
    }
    tmrGameOver1->setEnabled(true);
}

int FrmTezra::attackerAngle() const {
    return (sv.state.gInvAngle.at(NearestSlot(sv.state)) - mLineAngle) * mLineDir;
}

void FrmTezra::tmrGameOver2_Timer() {
    tmrGameOver2->setEnabled(false);
    mBusy = 1;
    if (typeTick_ < 50) {
        if (typeTick_ <= 12) {
            overText_[0] = OverLine0(attackerAngle(), typeTick_);
        } else if (typeTick_ <= 23) {
            overText_[1] = OverLine1(typeTick_);
        }
        switch (TypeSoundFor(typeTick_)) {
            case TypeSound::Click:
                SoundClick();
                break;
            case TypeSound::Gun:
                SoundGun();
                break;
            case TypeSound::None:
                break;
        }
        lblOverMsg[0]->setCaption(overText_[0]);
        lblOverMsg[1]->setCaption(overText_[1]);
        ++typeTick_;
        tmrGameOver2->setEnabled(true);
        return;
    }
    typeTick_ = 0;
    for (int i = 0; i < 2; ++i) {
        overText_[i].clear();
        lblOverMsg[i]->setCaption("");
        lblOverMsg[i]->show();
    }
    HidePlayArea();
    emit ended(PlayOutcome::GameOver);
}

void FrmTezra::AfterModal(ScreenKey closed) {
    switch (closed.as<ScreenId>()) {
        case ScreenId::Briefing:
            InitPlayScreen();
            break;
        case ScreenId::AllClear:
            ShowPlayArea();
            mBusy = 0;
            cmdChange_Click();
            break;
        case ScreenId::GameOver:
            ShowPlayArea();
            mBusy = 0;
            if (sv.state.gRetryFlag == 1) {
                InitPlayScreen();
            } else {
                cmdChange_Click();
            }
            break;
        default:
            break;
    }
}
