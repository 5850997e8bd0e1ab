#include <cmath>

#include "art/colours.h"
#include "kit/navigator.h"
#include "play/flow_rules.h"
#include "play/frm_tezra.h"
#include "play/prompts.h"
#include "state/angles.h"
#include "state/field_geometry.h"
#include "state/game_state.h"
#include "state/run_memory.h"

namespace {
constexpr int kFieldRestTop = 35;
}  // namespace

void FrmTezra::tmrAfterHit_Timer() {
    tmrAfterHit->setEnabled(false);
    const HitFollowUpTick tick = model_.stepHitFollowUp();
    if (tick.hideSlot) {
        imgInv.at(*tick.hideSlot)->hide();
    }
    if (tick.hidePoints) {
        lblHitPoint->hide();
    }
    if (tick.done) {
        NextRound();
        return;
    }
    tmrAfterHit->setEnabled(true);
}

void FrmTezra::tmrAfterMiss_Timer() {
    tmrAfterMiss->setEnabled(false);
    const MissFollowUpTick tick = model_.stepMissFollowUp();
    if (tick.shake != 0) {
        setFieldTop(picMain->y() + tick.shake);
    } else if (tick.putBack) {
        setFieldTop(kFieldRestTop);
    }
    if (tick.aimingAgain) {
        RedrawField();
        if (tick.countArrow) {
            DrawCountArrow();
        }
        DrawAnswer();
    }
    if (!tick.done) {
        tmrAfterMiss->setEnabled(true);
    }
}

void FrmTezra::tmrWatch_Timer() {
    tmrWatch->setEnabled(false);
    const WatchTick tick = model_.stepWatch();
    if (tick.busy) {
        setFocus();
        lblMsg[0]->hide();
        cmdHelp->setEnabled(false);
        Frame1->setEnabled(false);
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
    if (tick.prompt == PromptBlink::Show) {
        lblMsg[0]->show();
    } else if (tick.prompt == PromptBlink::Hide) {
        lblMsg[0]->hide();
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
    model_.clearStage();
    cmdShoot->hide();
    RedrawField();
    stopAllTimers();
    lockControlsForEndSequence();
    StopBgm();
    if (model_.advanceStage(sv.run.settings.levels)) {
        BeginAllClear();
        return;
    }
    // The grey copy stands 7 pixels lower as the white one's shadow.
    const int tops[] = {173, 180};
    for (int i = 0; i < 2; ++i) {
        const int y = static_cast<int>(std::lround(picMain->toScreen(0, tops[i]).y()));
        lblClearMsg[i]->move(lblClearMsg[i]->x(), y + FieldCanvas::kBorder);
    }
    tmrMsgSClear->setEnabled(true);
}

void FrmTezra::tmrMsgSClear_Timer() {
    tmrMsgSClear->setEnabled(false);
    const ClearStep step = model_.stepStageClear();
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
    emit ended(PlayOutcome::StageCleared);
}

void FrmTezra::EndPlay() {
    stopAllTimers();
    setFieldTop(kFieldRestTop);
    lockControlsForEndSequence();
    StopBgm();
    cmdShoot->hide();
    RedrawField();
    lblMsg[0]->hide();
    model_.endPlay();
    ShowStatus();
    ShowInputAngle();
}

void FrmTezra::BeginAllClear() {
    EndPlay();
    model_.beginAllClear();
    HidePlayArea();
    emit ended(PlayOutcome::AllClear);
}

void FrmTezra::tmrGameOver1_Timer() {
    tmrGameOver1->setEnabled(false);
    const FlashTick tick = model_.stepGameOverFlash();
    switch (tick.step) {
        case FlashStep::KeepPicture:
            savedPicture_ = picMain->picture();
            blankPicture_ = QImage();
            break;
        case FlashStep::Flicker:
            setFieldTop(picMain->y() + tick.shake);
            picMain->setPicture(tick.blank ? blankPicture_ : savedPicture_);
            if (tick.sounds) {
                SoundDen();
            }
            break;
        case FlashStep::PutBack:
            setFieldTop(kFieldRestTop);
            picMain->setPicture(savedPicture_);
            savedPicture_ = QImage();
            blankPicture_ = QImage();
            break;
        case FlashStep::Done: {
            RedrawField();
            for (FieldLine* line : {Line1[0], Line1[1], Line2}) {
                line->setColour(kWhite);
            }
            const int a = model_.attackerDirection();
            Line2->setP2({AngleX(kFieldRadius, a), AngleY(kFieldRadius, a)});
            tmrGameOver2->setEnabled(true);
            return;
        }
    }
    tmrGameOver1->setEnabled(true);
}

void FrmTezra::tmrGameOver2_Timer() {
    tmrGameOver2->setEnabled(false);
    const TypeTick tick = model_.stepGameOverType();
    if (!tick.done) {
        if (tick.line0) {
            overText_[0] = *tick.line0;
        }
        if (tick.line1) {
            overText_[1] = *tick.line1;
        }
        switch (tick.sound) {
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
        tmrGameOver2->setEnabled(true);
        return;
    }
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
            cmdChange_Click();
            break;
        case ScreenId::GameOver:
            ShowPlayArea();
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
