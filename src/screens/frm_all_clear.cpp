#include "screens/frm_all_clear.h"

#include <QPainter>
#include <cmath>

#include "art/colours.h"
#include "art/painted_invader.h"
#include "kit/fonts.h"
#include "sound/sound_files.h"
#include "state/game_state.h"
#include "state/random_source.h"
#include "state/run_memory.h"

namespace {

struct Line {
    int index, shadow;
    QString text;
    QRect geometry;
    QPoint shadowAt;
    QColor colour;
    QFont font;
};

constexpr int kLastMessageStep = 12;

}  // namespace

FrmAllClear::FrmAllClear(GameServices& services)
    : OverFieldScreen(services, ScreenId::AllClear, kName) {
    picPaint = new PaintLayer(this, "picPaint");
    const QColor red(255, 0, 0);
    const Line lines[] = {
        {0,
         3,
         "全ステージ クリア ",
         {-1, 20, 625, 81},
         {0, 26},
         QColor(0, 0, 192),
         PGothicFont(48, true, true)},
        {1, 5, "おめでとう。", {-3, 136, 625, 33}, {0, 139}, red, PGothicFont(24, true)},
        {2, 4, "君は角度の天才だっ！！", {-2, 198, 625, 41}, {0, 202}, red, PGothicFont(24, true)},
    };
    auto make = [this](int index, const Line& line, QPoint at, const QColor& colour) {
        const QString name = QString("lblMsg(%1)").arg(index);
        lblMsg.at(index) = new GameLabel(this, name, line.text, {at, line.geometry.size()},
                                         line.font, colour, std::nullopt, Qt::AlignHCenter);
        lblMsg.at(index)->hide();
    };
    // Created in stacking order: the shadows first, the coloured lines over them.
    for (const Line& line : lines) {
        make(line.shadow, line, line.shadowAt, kLightGrey);
    }
    for (const Line& line : lines) {
        make(line.index, line, line.geometry.topLeft(), line.colour);
    }
    cmdOk = MakeButton(this, "cmdOk", "ＯＫ", {216, 304, 193, 32}, GothicFont(15.75));
    cmdEnd = MakeButton(this, "cmdEnd", "おわり", {573, 4, 46, 20}, DefaultControlFont());
    connect(cmdOk, &QPushButton::clicked, this, &FrmAllClear::cmdOk_Click);
    connect(cmdEnd, &QPushButton::clicked, this, &FrmAllClear::cmdEnd_Click);
    tmrMsg = makeTimer(500, false, [this] { tmrMsg_Timer(); });
    tmrPaint = makeTimer(100, false, [this] { tmrPaint_Timer(); });
    mmcAllClear = makeWave("mmcAllClear", EffectFile(SoundEffect::AllClear));
    const SoundEffect effects[] = {SoundEffect::Pyu, SoundEffect::Pu,    SoundEffect::Popi,
                                   SoundEffect::Po,  SoundEffect::Step0, SoundEffect::Step1};
    for (int i = 0; i < 6; ++i) {
        mmcD.at(i) = makeWave(QString("mmcD(%1)").arg(i), EffectFile(effects[i]));
    }
}

FrmAllClear::~FrmAllClear() = default;

void FrmAllClear::Form_Load() {
    placeAndPaint(255, 255);
    picPaint->cover(rect());
    cmdOk->setFocus();
    tmrMsg->setEnabled(true);
}

void FrmAllClear::Form_Unload() {
    mmcAllClear->command(SoundCommand::Close);
}

void FrmAllClear::tmrMsg_Timer() {
    tmrMsg->setEnabled(false);
    Int16& m = sv.run.allClearMsg;
    if (m == 0) {
        StartEffect(*mmcAllClear);
    }
    showLines(m != 3 && m != 7 && m != 11);
    if (m == kLastMessageStep) {
        m = 0;
        tmrPaint->setEnabled(true);
        return;
    }
    ++m;
    tmrMsg->setEnabled(true);
}

void FrmAllClear::tmrPaint_Timer() {
    tmrPaint->setEnabled(false);
    const int pose = randomBelow(2);
    const int r = randomBelow(256);
    const int g = randomBelow(256);
    const int b = randomBelow(256);
    // Anywhere from 32 pixels before each edge, so invaders may be cut off at any side.
    const int x = randomBelow(width() + 33) - 32;
    const int y = randomBelow(height() + 33) - 32;
    {
        QPainter p(&picPaint->sheet());
        PaintBigInvader(p, pose, {x, y}, QColor(r, g, b));
    }
    picPaint->update();
    Int16& painted = sv.run.allClearPaint;
    if (painted == kInvadersPerPainting) {
        picPaint->wipe();
        painted = 0;
        tmrMsg->setEnabled(true);
        return;
    }
    PlayEffect(randomBelow(6));
    ++painted;
    tmrPaint->setEnabled(true);
}

void FrmAllClear::PlayEffect(int index) {
    StartEffect(*mmcD.at(index));
}

void FrmAllClear::cmdOk_Click() {
    SoundPopi();
    emit ended(AllClearOutcome::Ok);
}

void FrmAllClear::cmdEnd_Click() {
    SoundPopi();
    emit ended(AllClearOutcome::Quit);
}

void FrmAllClear::ClosedByWindow() {
    emit ended(AllClearOutcome::Closed);
}

void FrmAllClear::showLines(bool on) {
    for (GameLabel* label : lblMsg) {
        label->setVisible(on);
    }
}

int FrmAllClear::randomBelow(int n) {
    // A draw is below 1, so the result stays below n.
    return static_cast<int>(std::floor(static_cast<double>(sv.random.next()) * n));
}
