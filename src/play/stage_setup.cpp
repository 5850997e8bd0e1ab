#include <QGuiApplication>
#include <QScreen>
#include <cmath>

#include "art/colours.h"
#include "persist/data_files.h"
#include "persist/number_text.h"
#include "play/frm_tezra.h"
#include "play/stage_rules.h"
#include "sound/sound_files.h"
#include "state/angles.h"
#include "state/field_geometry.h"
#include "state/game_state.h"

void FrmTezra::Form_Load() {
    InitPlayScreen();
}

void FrmTezra::InitPlayScreen() {
    GameState& g = sv.state;
    const QSize client = ClientSize(keypad_ != nullptr);
    sizeAndCentre(client.width(), client.height());
    g.gTwipsMin = g.gTwipsX > g.gTwipsY ? g.gTwipsY : g.gTwipsX;
    // The field stays 635 x 354 pixels; the factors only differ on exotic displays.
    picMain->move(static_cast<int>(std::floor((kClientWidth - picMain->width()) / 2.0)),
                  picMain->y());
    SetupStage();
    NextRound();
}

void FrmTezra::SetupStage() {
    GameState& g = sv.state;
    RedrawField();

    model_.setupStage();
    if (const auto level = RulesForLevel(g.gLevel)) {
        lblLevel->setCaption(level->name);
        lbl0LR->setVisible(level->zeroMarkShown);
    }

    QString musicFile;
    if (const auto stage = RulesForStage(g.gStage)) {
        picMain->setScale(stage->scaleLeft, kFieldCannon.y(), stage->scaleWidth, -kFieldHeight);
        if (stage->zeroMarkLeft) {
            lbl0LR->move(picMain->toScreen(*stage->zeroMarkLeft, 0).x() + FieldCanvas::kBorder,
                         lbl0LR->y());
        } else {
            lbl0LR->hide();
        }
        mImgOfsX = stage->imageOffsetX;
        Line1[0]->setP1(stage->line0.p1());
        Line1[0]->setP2(stage->line0.p2());
        Line1[0]->setDotted(stage->line0Dotted);
        Line1[0]->setVisible(true);
        Line1[1]->setP1(stage->line1.p1());
        Line1[1]->setP2(stage->line1.p2());
        Line1[1]->setVisible(stage->line1Visible);
        musicFile = stage->musicFile;
    }

    setKeyPreview(true);
    for (FieldLine* line : {Line1[0], Line1[1], Line2}) {
        line->setColour(kRed);
    }

    if (!musicFile.isEmpty()) {
        mmcMidi->setFileName(g.gAppDir + musicFile);
    }
    for (const EffectDevice& e : effectDevices()) {
        e.device->setFileName(g.gAppDir + EffectFile(e.effect));
    }
    mmcDen->command(SoundCommand::Open);
    PlayBgm();

    lblStage->setCaption(QString::number(g.gStage));
    lblHiScore->setCaption(FormatWithSignPosition(g.gHiScore));
    lblHiName->setCaption(g.gHiName);
    ShowStatus();
    ShowInputAngle();
}

void FrmTezra::NextRound() {
    const Round round = model_.nextRound();
    if (round.stageCleared) {
        BeginStageClear();
        return;
    }
    ShowInputAngle();
    for (QLabel* image : imgInv) {
        image->hide();
    }
    RedrawField();
    if (round.lineTurned) {
        Line1[0]->setP2(
            {AngleX(kFieldRadius, model_.lineAngle()), AngleY(kFieldRadius, model_.lineAngle())});
        DrawCountArrow();
    }
    if (round.placed) {
        tmrWatch->setEnabled(true);
    }
    for (int slot = 0; slot < 3; ++slot) {
        if (round.walks[slot]) {
            tmrInv[slot]->setEnabled(true);
        }
    }
}

void FrmTezra::Form_Unload() {
    for (const EffectDevice& e : effectDevices()) {
        e.device->command(SoundCommand::Close);
    }
    mmcMidi->command(SoundCommand::Close);
    SaveMusicSetting(sv.state);
}

void FrmTezra::setFieldTop(int top) {
    picMain->move(picMain->x(), top);
}

void FrmTezra::placeOnScreenSide(QWidget* label, double x, double dx, double y) {
    // x grows leftwards on the mirrored field, so a step to the right on screen is a step back.
    const double step = picMain->scaleWidth() < 0 ? -dx : dx;
    picMain->place(label, x + step, y);
}
