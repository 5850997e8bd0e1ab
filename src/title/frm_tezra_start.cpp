#include "title/frm_tezra_start.h"

#include <QGuiApplication>
#include <QScreen>

#include "art/colours.h"
#include "art/demo_background.h"
#include "art/icons.h"
#include "art/sprites.h"
#include "kit/fonts.h"
#include "kit/keys.h"
#include "kit/navigator.h"
#include "kit/single_instance.h"
#include "persist/data_files.h"
#include "sound/sound_files.h"
#include "state/game_state.h"
#include "state/run_memory.h"

namespace {
constexpr int kFirstShortcut = 112;  // F1
constexpr int kLastShortcut = 120;   // F9

// Children of the demonstration box are placed inside its border.
QRect inDemo(int x, int y, int w, int h) {
    return {x + FieldCanvas::kBorder, y + FieldCanvas::kBorder, w, h};
}
}  // namespace

FrmTezraStart::FrmTezraStart(GameServices& services)
    : ScreenWith(services, ScreenId::Title, kName) {
    setCaption("Tezra [ｽﾀｰﾄ]");
    setBackColour(kLightGrey);
    setKeyPreview(true);
    buildControls();
    buildDemo();
    mmcPopi = sv.sound.create(DeviceType::WaveAudio, "mmcPopi");
}

FrmTezraStart::~FrmTezraStart() = default;

void FrmTezraStart::buildControls() {
    cmdVer = MakeButton(this, "cmdVer", "ﾊﾞｰｼﾞｮﾝ情報", {5, 4, 80, 27}, DefaultControlFont());
    cmdEnd = MakeButton(this, "cmdEnd", "おわり", {376, 4, 80, 27}, DefaultControlFont());

    picD = MakePanel(this, "picD", {5, 288, 453, 57}, kDarkRed);
    lblD1 =
        new GameLabel(picD, "lblD1", "レベルをえらんで", {3, 8, 92, 13}, PGothicFont(9), kWhite);
    lblD2 =
        new GameLabel(picD, "lblD2", "ゲーム スタート !!", {3, 28, 93, 13}, PGothicFont(9), kWhite);
    // Easy to hard as a traffic light: green, yellow, red.
    const QFont levelFont = PGothicFont(9.75, true);
    cmdLo =
        MakeButton(picD, "cmdLo", "やさしい", {110, 6, 105, 41}, levelFont, SmallInvaderIcon(2));
    cmdMid =
        MakeButton(picD, "cmdMid", "ふ つ う", {224, 6, 105, 41}, levelFont, SmallInvaderIcon(1));
    comHigh = MakeButton(picD, "comHigh", "むずかしい", {338, 6, 105, 41}, levelFont,
                         SmallInvaderIcon(0));

    // Half-width kana and spaced letters are spoken as the words they show.
    cmdVer->setAccessibleName("バージョン情報");
    cmdMid->setAccessibleName("ふつう");
    for (QPushButton* level : {cmdLo, cmdMid, comHigh}) {
        level->setAccessibleDescription("このレベルでゲームをはじめます");
    }

    connect(cmdVer, &QPushButton::clicked, this, [this] { cmdVer_Click(); });
    connect(cmdEnd, &QPushButton::clicked, this, [this] { cmdEnd_Click(); });
    connect(cmdLo, &QPushButton::clicked, this, [this] { cmdLo_Click(); });
    connect(cmdMid, &QPushButton::clicked, this, [this] { cmdMid_Click(); });
    connect(comHigh, &QPushButton::clicked, this, [this] { comHigh_Click(); });
}

void FrmTezraStart::buildDemo() {
    picDemo = new FieldCanvas(this, kDemoWidth, kDemoHeight, FieldCanvas::Frame::Sunken);
    picDemo->setObjectName("picDemo");
    picDemo->move(5, 37);
    picDemo->setFocusPolicy(Qt::NoFocus);
    // The cannon is the origin, y grows upwards, one unit per pixel.
    picDemo->setScale(-kDemoCannon.x(), kDemoCannon.y(), kDemoWidth, -kDemoHeight);
    picDemo->setPicture(DemoBackground());
    picDemo->setFillColour(kRed);

    Line1 = &picDemo->addLine();
    Line1->setP2({kDemoRadius, 0});
    Line1->setVisible(false);
    Line2 = &picDemo->addLine();
    Line2->setVisible(false);

    imgInv = new QLabel(picDemo);
    imgInv->setObjectName("imgInv");
    imgInv->setGeometry(inDemo(0, 0, 32, 32));
    imgInv->setAttribute(Qt::WA_TransparentForMouseEvents);

    tmrDemo = makeTimer(1000, false, [this] { tmrDemo_Timer(); });
    tmrInv = makeTimer(400, false, [this] { tmrInv_Timer(); });
    tmrS = makeTimer(0, false, [this] { tmrS_Timer(); });
    tmrOugi = makeTimer(100, false, [this] { tmrOugi_Timer(); });
}

void FrmTezraStart::Form_Load() {
    GameState& g = sv.state;
    // A second copy ends before it shows or sounds anything.
    if (!sv.instance.acquire()) {
        sv.nav.endProgram();
        return;
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    g.gTwipsX = static_cast<float>(1440.0 / dpi);
    g.gTwipsY = g.gTwipsX;
    sizeAndCentre(kClientWidth, kClientHeight);
    if (g.gReadMeShown == 0) {
        SetAppDir(g, sv.programDir, sv.dataDir);
        FillInvaderPictures(g);
        LoadHighScoreFile(g);
        LoadNoteText(g);
        LoadMusicSetting(g);
    }
    if (g.gScore < 1) {
        g.gScore = 300;
    }
    showAllowedLevels();
    mmcPopi->setFileName(g.gAppDir + EffectFile(SoundEffect::Popi));
    SoundPopi();
    // A title left during a shot must not start its successor's demonstration mid-flight.
    demoPhase = 0;
    tmrDemo->setEnabled(true);
}

void FrmTezraStart::Form_KeyDown(int keyCode, int shift) {
    // The teacher's keys, which a child will not press by chance.
    if (shift == (ShiftState::Ctrl | ShiftState::Shift)) {
        if (keyCode == 'K') {
            emit ended(TitleOutcome::ShowResults);
        } else if (keyCode == 'S') {
            emit ended(TitleOutcome::ShowSettings);
        }
        return;
    }
    if (shift != ShiftState::Shift || keyCode < kFirstShortcut || keyCode > kLastShortcut) {
        return;
    }
    // Shift+F1 to Shift+F9: levels 1 to 3, each with its stages 1 to 3.
    const int index = keyCode - kFirstShortcut;
    ChooseLevel(index / 3 + 1, index % 3 + 1);
}

void FrmTezraStart::AfterModal(ScreenKey) {
    showAllowedLevels();
}

void FrmTezraStart::cmdLo_Click() {
    ChooseLevel(1, 1);
}

void FrmTezraStart::cmdMid_Click() {
    ChooseLevel(2, 1);
}

void FrmTezraStart::comHigh_Click() {
    ChooseLevel(3, 1);
}

void FrmTezraStart::cmdVer_Click() {
    SoundPopi();
    emit ended(TitleOutcome::ShowVersion);
}

void FrmTezraStart::cmdEnd_Click() {
    SoundPopi();
    emit ended(TitleOutcome::Quit);
}

void FrmTezraStart::showAllowedLevels() {
    const std::set<int>& levels = sv.run.settings.levels;
    cmdLo->setEnabled(levels.contains(1));
    cmdMid->setEnabled(levels.contains(2));
    comHigh->setEnabled(levels.contains(3));
}

void FrmTezraStart::ChooseLevel(int level, int stage) {
    if (!sv.run.settings.levels.contains(level)) {
        return;
    }
    sv.state.gLevel = level;
    sv.state.gStage = stage;
    StartGame();
}

void FrmTezraStart::StartGame() {
    SoundPopi();
    GameState& g = sv.state;
    if (g.gReadMeShown == 1) {
        emit ended(TitleOutcome::NextGame);
        return;
    }
    g.gReadMeShown = 1;
    emit ended(TitleOutcome::FirstGame);
}

void FrmTezraStart::SoundPopi() {
    mmcPopi->command(SoundCommand::Sound);
}
