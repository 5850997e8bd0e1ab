#include "screens/frm_game_over.h"

#include <QPixmap>

#include "art/colours.h"
#include "kit/fonts.h"
#include "sound/sound_files.h"
#include "state/game_state.h"
#include "state/run_memory.h"

namespace {
constexpr int kGreenBand = 2;
constexpr int kEnlarged = 96;
}  // namespace

FrmGameOver::FrmGameOver(GameServices& services)
    : OverFieldScreen(services, ScreenId::GameOver, kName) {
    const auto centred = Qt::AlignHCenter | Qt::AlignTop;
    lblGameOver = new GameLabel(this, "lblGameOver", "ゲーム オーバー", {0, 16, 625, 81},
                                PGothicFont(48, true, true), kRed, std::nullopt, centred);
    imgInv = new QLabel(this);
    imgInv->setObjectName("imgInv");
    imgInv->setGeometry(264, 104, kEnlarged, kEnlarged);
    lblMsg = new GameLabel(this, "lblMsg", "", {0, 232, 625, 41}, PGothicFont(15.75, true), kYellow,
                           std::nullopt, centred);
    lblMsg->hide();
    const QFont font = DefaultControlFont();
    cmdContinue =
        MakeButton(this, "cmdContinue", "今のステージをもう１回", {27, 305, 201, 32}, font);
    cmdCancel = MakeButton(this, "cmdCancel", "ゲームのレベルを変える", {395, 305, 201, 32}, font);
    cmdEnd = MakeButton(this, "cmdEnd", "おわり", {575, 7, 45, 20}, font);
    connect(cmdContinue, &QPushButton::clicked, this, &FrmGameOver::cmdContinue_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &FrmGameOver::cmdCancel_Click);
    connect(cmdEnd, &QPushButton::clicked, this, &FrmGameOver::cmdEnd_Click);
    tmrDemo = makeTimer(800, false, [this] { tmrDemo_Timer(); });
    mmcGameOver = makeWave("mmcGameOver", EffectFile(SoundEffect::GameOver));
}

FrmGameOver::~FrmGameOver() = default;

void FrmGameOver::Form_Load() {
    GameState& g = sv.state;
    // Only a choice made on this screen may send the play screen back into the stage: a flag
    // left from an earlier continue must not restart it when the window is merely closed.
    g.gRetryFlag = 0;
    placeAndPaint(0, 0);
    StartEffect(*mmcGameOver);
    lblMsg->setCaption(g.gLevel == 3 && g.gStage >= 2
                           ? "よくがんばったがもう一歩だ。 次はがんばってくれたまえ。"
                           : "地球をすくえるのは君しかいない。 がんばってくれたまえ。");
    lblMsg->show();
    cmdContinue->setFocus();
    tmrDemo->setEnabled(true);
}

void FrmGameOver::Form_Unload() {
    mmcGameOver->command(SoundCommand::Close);
}

void FrmGameOver::tmrDemo_Timer() {
    tmrDemo->setEnabled(false);
    Int16& tick = sv.run.gameOverTick;
    // Pixel art grows without blur.
    imgInv->setPixmap(
        PixelArt(sv.state.gInvPictures.at(kGreenBand)
                     .at(tick % 2)
                     .scaled(kEnlarged, kEnlarged, Qt::IgnoreAspectRatio, Qt::FastTransformation),
                 *imgInv));
    lblMsg->setVisible(tick / 3 == 0);
    tick = (tick + 1) % 4;
    tmrDemo->setEnabled(true);
}

void FrmGameOver::cmdContinue_Click() {
    choose(1, GameOverOutcome::Continue);
}

void FrmGameOver::cmdCancel_Click() {
    choose(0, GameOverOutcome::ChangeLevel);
}

void FrmGameOver::cmdEnd_Click() {
    SoundPopi();
    emit ended(GameOverOutcome::Quit);
}

void FrmGameOver::ClosedByWindow() {
    emit ended(GameOverOutcome::Closed);
}

void FrmGameOver::choose(int retry, GameOverOutcome outcome) {
    SoundPopi();
    sv.state.gRetryFlag = retry;
    emit ended(outcome);
}
