#include <QGroupBox>

#include "art/colours.h"
#include "art/field_background.h"
#include "art/icons.h"
#include "kit/fonts.h"
#include "play/frm_tezra.h"
#include "play/prompts.h"
#include "state/run_memory.h"

namespace {
// Children of the field are placed in its drawing area, inside the border.
QRect inField(int x, int y, int w, int h) {
    return {x + FieldCanvas::kBorder, y + FieldCanvas::kBorder, w, h};
}

GameLabel* autoSized(GameLabel* label) {
    label->setAutoSize(true);
    return label;
}

// Keys a child's finger hits surely: 1 to 9 as on a telephone, 0 and the clearing key below
// them, and a wide fire key at the bottom.
constexpr int kKeySize = 64;
constexpr int kKeyGap = 8;
constexpr QSize kKeypadSize = TouchKeypad::GridSize(5, 3, kKeySize, kKeyGap);
}  // namespace

QSize FrmTezra::ClientSize(bool keypad) {
    return {kClientWidth + (keypad ? kKeypadSize.width() : 0), kClientHeight};
}

FrmTezra::FrmTezra(GameServices& services)
    : ScreenWith(services, ScreenId::Play, kName),
      randomPicker_(sv.random),
      model_(sv.state, sv.picker ? *sv.picker : randomPicker_, sv.random, sv.clock, sv.run.settings,
             sv.run.playerName.toStdString()) {
    setCaption("Tezra");
    setBackColour(kLightGrey);
    buildControls();
    if (sv.run.settings.keypad) {
        buildKeypad();
    }
    buildTimers();
    buildSoundDevices();
    nameForScreenReaders();
}

FrmTezra::~FrmTezra() = default;

void FrmTezra::buildControls() {
    picLevelDisp = MakePanel(this, "picLevelDisp", {0, 4, 202, 27}, kBlack);
    new GameLabel(picLevelDisp, "lblD(2)", "レベル", {2, 6, 41, 11}, GothicFont(8.25), kWhite);
    lblLevel = autoSized(
        new GameLabel(picLevelDisp, "lblLevel", "", {48, 3, 65, 13}, GothicFont(9.75), kYellow));
    new GameLabel(picLevelDisp, "lblD(3)", "ステージ", {125, 6, 52, 11}, GothicFont(8.25), kWhite);
    lblStage = autoSized(
        new GameLabel(picLevelDisp, "lblStage", "", {181, 3, 8, 15}, GothicFont(11.25), kPink));

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName("Frame1");
    Frame1->setGeometry(215, -4, 124, 38);
    QPalette framePalette = Frame1->palette();
    framePalette.setColor(QPalette::Disabled, QPalette::WindowText, kMidGrey);
    framePalette.setColor(QPalette::Disabled, QPalette::ButtonText, kMidGrey);
    framePalette.setColor(QPalette::Disabled, QPalette::Text, kMidGrey);
    Frame1->setPalette(framePalette);
    lblBGM = new GameLabel(Frame1, "lblBGM", "BGM", {17, 14, 35, 19}, PGothicFont(11.25), kBlack);
    optOnOff[1] = new QRadioButton("ON", Frame1);
    optOnOff[1]->setGeometry(67, 9, 43, 13);
    optOnOff[0] = new QRadioButton("OFF", Frame1);
    optOnOff[0]->setGeometry(67, 23, 46, 13);
    for (int i = 0; i < 2; ++i) {
        optOnOff[i]->setObjectName(QString("optOnOff(%1)").arg(i));
        optOnOff[i]->setFont(DefaultControlFont());
        optOnOff[i]->setFocusPolicy(Qt::NoFocus);
        connect(optOnOff[i], &QRadioButton::clicked, this, [this, i] { optOnOff_Click(i); });
    }

    picHiScore = MakePanel(this, "picHiScore", {352, 4, 282, 27}, kBlack);
    new GameLabel(picHiScore, "lblD(4)", "ハイスコア", {4, 5, 63, 11}, GothicFont(8.25), kWhite);
    lblHiScore = new GameLabel(picHiScore, "lblHiScore", "", {72, 4, 56, 13}, GothicFont(9.75),
                               kPink, std::nullopt, Qt::AlignRight | Qt::AlignTop);
    lblHiName = new GameLabel(picHiScore, "lblHiName", "", {136, 4, 145, 13}, GothicFont(9.75),
                              kYellow, std::nullopt, Qt::AlignHCenter | Qt::AlignTop);

    picMain = new FieldCanvas(this, kFieldWidth, kFieldHeight);
    picMain->setObjectName("picMain");
    picMain->move(-1, 36);
    picMain->setFillColour(kRed);
    picMain->setBackColour(kRed);
    picMain->setPicture(FieldBackground());

    picRest = MakePanel(picMain, "picRest", inField(5, 4, 106, 54), kBlack);
    new GameLabel(picRest, "lblD(5)", "のこり", {6, 28, 36, 12}, GothicFont(9), kYellow);
    lblRest = new GameLabel(picRest, "lblRest", "", {49, 6, 48, 37}, GothicFont(26.25), kPurple,
                            kWhite, Qt::AlignCenter);
    imgD = new QLabel(picRest);
    imgD->setObjectName("imgD");
    imgD->setGeometry(14, 5, 22, 16);
    imgD->setPixmap(PixelArt(SmallInvaderIcon(3), *imgD));

    picScore = MakePanel(picMain, "picScore", inField(519, 4, 106, 54), kBlack);
    new GameLabel(picScore, "lblD(6)", "とくてん", {3, 3, 48, 12}, GothicFont(9), kYellow);
    lblScore = new GameLabel(picScore, "lblScore", "", {4, 20, 83, 24}, GothicFont(15.75), kPurple,
                             kWhite, Qt::AlignRight | Qt::AlignVCenter);
    new GameLabel(picScore, "lblD(7)", "", {87, 20, 11, 24}, GothicFont(9), kBlack, kWhite);

    Line1 = {&picMain->addLine(), &picMain->addLine()};
    Line2 = &picMain->addLine();

    lbl0LR = autoSized(
        new GameLabel(picMain, "lbl0LR", "０゜", inField(0, 315, 48, 24), GothicFont(18), kYellow));
    lbl0LR->hide();
    lblArw = new GameLabel(picMain, "lblArw", "右へ", inField(371, 25, 26, 13), PGothicFont(9.75),
                           kYellow);
    lblArw->hide();
    for (int i = 0; i < 3; ++i) {
        imgInv[i] = new QLabel(picMain);
        imgInv[i]->setObjectName(QString("imgInv(%1)").arg(i));
        imgInv[i]->resize(32, 32);
        imgInv[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
        imgInv[i]->hide();
    }
    lblHitMsg = new GameLabel(picMain, "lblHitMsg", "命中 !!", inField(20, 277, 112, 33),
                              GothicFont(24), kWhite);
    lblHitAngle = new GameLabel(picMain, "lblHitAngle", "", inField(140, 265, 120, 48),
                                GothicFont(36), kYellow);
    // Bonus points have four digits: let the label grow rather than clip them.
    lblHitPoint = new GameLabel(picMain, "lblHitPoint", "", inField(590, 128, 22, 13),
                                GothicFont(9.75), kCyan, std::nullopt, Qt::AlignCenter);
    lblHitPoint->setMinimumWidth(22);
    lblHitPoint->setAutoSize(true);
    // Under the horizon, beside the Earth, where no invader stands; dark for contrast on grey.
    lblAnswer = new GameLabel(picMain, "lblAnswer", "", inField(6, 329, 0, 0), GothicFont(13.5),
                              kOrange, kBlack, Qt::AlignCenter);
    lblAnswer->setMargin(1);
    lblAnswer->setAutoSize(true);
    for (GameLabel* label : {lblHitMsg, lblHitAngle, lblHitPoint, lblAnswer}) {
        label->hide();
    }
    lblClearMsg[0] = new GameLabel(picMain, "lblClearMsg(0)", "ステージ クリア",
                                   inField(120, 192, 391, 46), GothicFont(32.25, true), kDarkGrey,
                                   std::nullopt, Qt::AlignHCenter | Qt::AlignTop);
    lblClearMsg[1] = new GameLabel(picMain, "lblClearMsg(1)", "ステージ クリア",
                                   inField(116, 185, 391, 46), GothicFont(32.25, true), kWhite,
                                   std::nullopt, Qt::AlignHCenter | Qt::AlignTop);
    lblOverMsg[0] = new GameLabel(picMain, "lblOverMsg(0)", "", inField(165, 83, 352, 36),
                                  PGothicFont(20.25), kMagenta);
    lblOverMsg[1] = new GameLabel(picMain, "lblOverMsg(1)", "", inField(193, 130, 292, 36),
                                  PGothicFont(20.25), kMagenta);
    for (GameLabel* label : {lblClearMsg[0], lblClearMsg[1], lblOverMsg[0], lblOverMsg[1]}) {
        label->hide();
    }

    picInp = MakePanel(this, "picInp", {53, 395, 268, 54}, kDarkGreen);
    new GameLabel(picInp, "lblD(0)", "赤い線から", {4, 11, 143, 28}, GothicFont(20.25), kWhite);
    lblAngle = new GameLabel(picInp, "lblAngle", "0", {155, 6, 80, 38}, GothicFont(27.75),
                             kEntryGrey, kRed, Qt::AlignRight | Qt::AlignVCenter);
    new GameLabel(picInp, "lblD(1)", "゜", {235, 6, 23, 38}, GothicFont(33.75), kWhite, kRed);

    cmdShoot = MakeButton(this, "cmdShoot", "発射", {321, 395, 54, 54}, GothicFont(14.25, true));
    cmdShoot->hide();
    lblMsg[0] = new GameLabel(this, "lblMsg(0)", kPromptType, {424, 394, 200, 14},
                              PGothicFont(9.75), kWhite, kPromptPurple, Qt::AlignCenter);
    cmdChange = MakeButton(this, "cmdChange", "ゲームのレベルを変える", {424, 424, 137, 25},
                           DefaultControlFont());
    cmdEnd = MakeButton(this, "cmdEnd", "おわり", {568, 424, 57, 25}, DefaultControlFont());
    cmdHelp = MakeButton(this, "cmdHelp", "？", {11, 412, 25, 23}, GothicFont(9.75, true));
    connect(cmdShoot, &QPushButton::clicked, this, [this] { cmdShoot_Click(); });
    connect(cmdChange, &QPushButton::clicked, this, [this] { cmdChange_Click(); });
    connect(cmdEnd, &QPushButton::clicked, this, [this] { cmdEnd_Click(); });
    connect(cmdHelp, &QPushButton::clicked, this, [this] { cmdHelp_Click(); });
}

void FrmTezra::nameForScreenReaders() {
    // A value label is spoken as its number, followed by what the number means.
    lblLevel->setAccessibleDescription("レベル");
    lblStage->setAccessibleDescription("ステージ");
    lblHiScore->setAccessibleDescription("ハイスコア");
    lblHiName->setAccessibleDescription("ハイスコアの人の名前");
    lblRest->setAccessibleDescription("のこりのインベーダー");
    lblScore->setAccessibleDescription("とくてん");
    lblAngle->setAccessibleDescription("赤い線から何度か、入力した角度");
    Frame1->setAccessibleName("BGM");
    optOnOff[1]->setAccessibleName("BGM オン");
    optOnOff[0]->setAccessibleName("BGM オフ");
    picMain->setAccessibleName("ゲームのフィールド");
    picMain->setAccessibleDescription("数字で角度を入れて、エンターキーで発射します");
    cmdHelp->setAccessibleName("ヘルプ");
    cmdHelp->setAccessibleDescription("遊び方を見ます");
}

void FrmTezra::buildKeypad() {
    keypad_ = new TouchKeypad(this, kKeySize, kKeyGap, kDarkGreen);
    keypad_->setObjectName("keypad");
    keypad_->setGeometry(
        QRect({kClientWidth, (kClientHeight - kKeypadSize.height()) / 2}, kKeypadSize));
    keypad_->setAccessibleName("数字のキー");
    const QFont large = GothicFont(20.25, true);
    for (int digit = 0; digit <= 9; ++digit) {
        const QString d = QString::number(digit);
        const TouchKeypad::Key key{d, d, static_cast<Qt::Key>(Qt::Key_0 + digit), d};
        QPushButton* button = digit == 0
                                  ? keypad_->addKey(3, 0, key, large, 2)
                                  : keypad_->addKey((digit - 1) / 3, (digit - 1) % 3, key, large);
        button->setObjectName(QString("keypad(%1)").arg(digit));
    }
    // The keyboard's Backspace clears the typed angle, and Enter fires it.
    QPushButton* clear =
        keypad_->addKey(3, 2, {"けす", "けす", Qt::Key_Backspace, "\b"}, GothicFont(14.25, true));
    clear->setObjectName("keypadClear");
    clear->setAccessibleDescription("入力した角度を消します");
    QPushButton* fire = keypad_->addKey(4, 0, {"発射", "発射", Qt::Key_Return, "\r"}, large, 3);
    fire->setObjectName("keypadFire");
    fire->setAccessibleDescription("入力した角度で発射します");
}

void FrmTezra::buildTimers() {
    for (int i = 0; i < 3; ++i) {
        tmrInv[i] = makeTimer(400, false, [this, i] { tmrInv_Timer(i); });
    }
    auto make = [this](int interval, bool enabled, std::function<void()> handler) {
        return makeTimer(interval, enabled, std::move(handler));
    };
    tmrOugi = make(50, false, [this] { tmrOugi_Timer(); });
    tmrS = make(50, false, [this] { tmrS_Timer(); });
    tmrAfterHit = make(100, false, [this] { tmrAfterHit_Timer(); });
    // The shake and the flash are meant to run as fast as the timer allows (1 ms and 10 ms). At
    // those rates the miss message, burst and shake would be gone in 18 ms and the flash in
    // 120 ms, unseen; the classic PC timer tick of 55 ms lets a child see them.
    constexpr int kFastestTick = 55;
    tmrAfterMiss = make(kFastestTick, false, [this] { tmrAfterMiss_Timer(); });
    tmrWatch = make(400, true, [this] { tmrWatch_Timer(); });
    tmrMsgSClear = make(400, false, [this] { tmrMsgSClear_Timer(); });
    tmrGameOver1 = make(kFastestTick, false, [this] { tmrGameOver1_Timer(); });
    tmrGameOver2 = make(100, false, [this] { tmrGameOver2_Timer(); });
}

std::array<FrmTezra::EffectDevice, 10> FrmTezra::effectDevices() {
    return {{
        {mmcShoot, "mmcShoot", SoundEffect::Shot},
        {mmcPyu, "mmcPyu", SoundEffect::Pyu},
        {mmcDen, "mmcDen", SoundEffect::Den},
        {mmcBu[0], "mmcBu(0)", SoundEffect::Step0},
        {mmcBu[1], "mmcBu(1)", SoundEffect::Step1},
        {mmcPo, "mmcPo", SoundEffect::Po},
        {mmcPu, "mmcPu", SoundEffect::Pu},
        {mmcClick, "mmcClick", SoundEffect::Click},
        {mmcGun, "mmcGun", SoundEffect::Gun},
        {mmcSClear, "mmcSClear", SoundEffect::StageClear},
    }};
}

void FrmTezra::buildSoundDevices() {
    for (const EffectDevice& e : effectDevices()) {
        e.device = sv.sound.create(DeviceType::WaveAudio, e.name);
    }
    mmcMidi = sv.sound.create(DeviceType::Sequencer, "mmcMidi");
    mmcMidi->onDone([this] { mmcMidi_Done(); });
}
