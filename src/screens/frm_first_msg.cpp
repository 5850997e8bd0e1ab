#include "screens/frm_first_msg.h"

#include <QPixmap>

#include "art/colours.h"
#include "kit/fonts.h"
#include "state/game_state.h"

namespace {
constexpr int kInvaderX = 108;
// The sign walks 20 pixels behind the 32-pixel invader.
constexpr int kSignX = kInvaderX + 32 + 20;
constexpr int kWalkStepPixels = 6;
constexpr int kLastOffset = 345;

QPixmap RedInvader(const GameState& g, int pose, const QWidget& shownOn) {
    return PixelArt(g.gInvPictures[0].at(pose), shownOn);
}
}  // namespace

FrmFirstMsg::FrmFirstMsg(GameServices& services)
    : MessageScreen(services, ScreenId::ReadMe, kName) {
    cmdOk = makeGoButton("cmdOk", "ＯＫ");
    picMsg = MakePanel(this, "picMsg", {2, 3, 457, 286}, kNavy);
    lblMsg[1] = new GameLabel(picMsg, "lblMsg(1)", "地球にせまりくるインベーダーをうちおとせ !!",
                              {1, 5, 449, 30}, PGothicFont(15.75, true), QColor(255, 255, 128),
                              std::nullopt, Qt::AlignHCenter | Qt::AlignTop);
    imgInv = new QLabel(picMsg);
    imgInv->setObjectName("imgInv");
    imgInv->setGeometry(kInvaderX, 35, 32, 32);
    imgInv->setPixmap(RedInvader(sv.state, 0, *imgInv));
    imgInv->hide();
    lblReadMe = new GameLabel(picMsg, "lblReadMe", "　読　ん　で　ね　", {163, 41, 0, 0},
                              GothicFont(14.25, true), kBlack, kYellow, Qt::AlignCenter);
    lblReadMe->setAutoSize(true);
    lblReadMe->hide();
    lblMsg[0] =
        new GameLabel(picMsg, "lblMsg(0)", "", {3, 76, 451, 204}, PGothicFont(15.75), kWhite);
    lblMsg[0]->setWordWrap(true);
    tmrInv = makeTimer(300, true, [this] { tmrInv_Timer(); });
    connect(cmdOk, &QPushButton::clicked, this, &FrmFirstMsg::cmdOk_Click);
    connect(cmdEnd, &QPushButton::clicked, this, &FrmFirstMsg::cmdEnd_Click);
}

void FrmFirstMsg::Form_Load() {
    MessageScreen::Form_Load();
    ShowReadMe();
    imgInv->move(kInvaderX, imgInv->y());
    lblReadMe->move(kSignX, lblReadMe->y());
    imgInv->show();
    lblReadMe->show();
}

void FrmFirstMsg::ShowReadMe() {
    const QString text =
        "　インベーダーは赤い線から「何度」のところにいるかを考えて，キーボードから「角度」を入"
        "れてね。\r\n"
        "　角度が決まったら，「エンターキー」か「スペース」または「発射」(はっしゃ)ボタンで発射"
        "します。\r\n\r\n"
        "　インベーダーは，  10゜，20゜，30゜，･･･，180゜のように，10゜おきにあらわれますから，"
        "一の位の数はかならず０になります。";
    lblMsg[0]->setCaption(text);
}

void FrmFirstMsg::tmrInv_Timer() {
    tmrInv->setEnabled(false);
    imgInv->setPixmap(RedInvader(sv.state, mWalkStep % 2, *imgInv));
    imgInv->move(kInvaderX - mWalkOffset, imgInv->y());
    lblReadMe->move(kSignX - mWalkOffset, lblReadMe->y());
    ++mWalkStep;
    mWalkOffset += kWalkStepPixels;
    if (mWalkOffset > kLastOffset) {
        // In again at the panel's right edge.
        mWalkStep = 0;
        mWalkOffset = kInvaderX - picMsg->width();
    }
    tmrInv->setEnabled(true);
}

void FrmFirstMsg::cmdOk_Click() {
    SoundPopi();
    emit ended(ReadMeOutcome::Ok);
}

void FrmFirstMsg::cmdEnd_Click() {
    emit ended(ReadMeOutcome::Quit);
}
