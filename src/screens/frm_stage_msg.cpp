#include "screens/frm_stage_msg.h"

#include <QApplication>
#include <QPainter>

#include "art/colours.h"
#include "art/icons.h"
#include "kit/fonts.h"
#include "play/stage_rules.h"
#include "screens/message_label.h"
#include "state/game_state.h"

namespace {

// The points table's rows, farthest invader first, then the miss.
const QColor kRowColours[] = {kCyan, kGreen, kYellow, kRed, kMagenta};
constexpr int kRowY[] = {16, 64, 112, 160, 216};
constexpr int kMissRow = 4;

// What each row brings by level; "？" where the points are drawn at random on the hit.
const QString kPoints[3][5] = {
    {"50", "40", "30", "20", "-30"},
    {"？", "60", "50", "40", "-30"},
    {"？", "？", "70", "50", "-30"},
};

const QString kLevelTexts[3] = {
    "　「やさしい」のレベルでは，角度の「めもり」が出ます。これをヒントに正かくにこうげきしまし"
    "ょう。",
    "　「ふつう」のレベルでは，角度のめもりはでません。何度くらいかを「カン」でよみとって打ち落"
    "としましょう。",
    "　「むずかしい」のレベルは，インベーダーが一度に３びきずつあらわれます。",
};

const QString kStageTexts[3] = {
    "　「ステージ１」は，右の下に赤い線が出ます。つまり右が０度。分度器を右からよむときと同じ"
    "です。",
    "　「ステージ２」は，左の下に赤い線が出ます。つまり左が０度。分度器を左からよむときと同じ"
    "です。",
    "　「ステージ３」は，赤い線も動きます。赤い線から矢印の方に何度かをよく考えてください。",
};

// The text for a level or stage of 1 to 3; nothing for any other.
QString TextFor(const QString (&texts)[3], int n) {
    return n >= 1 && n <= 3 ? texts[n - 1] : QString();
}

// The small invader of the table as a picture of its own, on black.
QImage OnBlack(const QImage& icon) {
    QImage out(icon.size(), QImage::Format_RGB32);
    out.fill(Qt::black);
    QPainter(&out).drawImage(0, 0, icon);
    return out;
}
}  // namespace

FrmStageMsg::FrmStageMsg(GameServices& services)
    : MessageScreen(services, ScreenId::Briefing, kName) {
    cmdStart = makeGoButton("cmdStart", "スタート");
    buildPointsTable();
    buildHeadings();
    buildMessages();
    connect(cmdStart, &QPushButton::clicked, this, &FrmStageMsg::cmdStart_Click);
    connect(cmdEnd, &QPushButton::clicked, this, &FrmStageMsg::cmdEnd_Click);
}

void FrmStageMsg::buildPointsTable() {
    picD = MakePanel(this, "picD", {6, 8, 99, 265}, kBlack);
    const QFont font = GothicFont(14.25);
    const int iconColours[] = {3, 2, 1, 0};
    for (int row = 0; row < 5; ++row) {
        const QString n = QString("(%1)").arg(row);
        const int y = kRowY[row];
        const QColor colour = kRowColours[row];
        if (row < kMissRow) {
            imgD[row] = new QLabel(picD);
            imgD[row]->setObjectName("imgD" + n);
            imgD[row]->setPixmap(PixelArt(OnBlack(SmallInvaderIcon(iconColours[row])), *imgD[row]));
            imgD[row]->setGeometry(row == 0 ? 7 : 8, y, kSmallIconWidth, kSmallIconHeight);
        }
        lblD2[row] = new GameLabel(picD, "lblD2" + n, "=", {40, y, 11, 19}, font, colour,
                                   std::nullopt, Qt::AlignHCenter | Qt::AlignTop);
        lblPoint[row] = new GameLabel(picD, "lblPoint" + n, kPoints[0][row],
                                      {row == kMissRow ? 56 : 64, y, 33, 17}, font, colour);
    }
    lblD[5] = new GameLabel(picD, "lblD(5)", "ミス", {4, kRowY[kMissRow], 31, 17},
                            GothicFont(11.25), kBlack, kMagenta, Qt::AlignHCenter | Qt::AlignTop);
}

void FrmStageMsg::buildHeadings() {
    const QFont small = GothicFont(11.25, true);
    for (int i = 0; i < 2; ++i) {
        picM[i] =
            MakePanel(this, QString("picM(%1)").arg(i), {120, i == 0 ? 8 : 148, 205, 33}, kNavy);
    }
    lblD[0] = new GameLabel(picM[0], "lblD(0)", "レベル", {9, 7, 0, 0}, small, kRed);
    lblD[1] = new GameLabel(picM[1], "lblD(1)", "ステージ", {16, 7, 0, 0}, small, kRed);
    lblD[0]->setAutoSize(true);
    lblD[1]->setAutoSize(true);
    lblLevel = new GameLabel(picM[0], "lblLevel", "", {56, 2, 152, 30}, GothicFont(18, true),
                             kWhite, std::nullopt, Qt::AlignHCenter | Qt::AlignTop);
    lblStage = new GameLabel(picM[1], "lblStage", "", {132, 0, 40, 35}, GothicFont(20.25, true),
                             kWhite, std::nullopt, Qt::AlignHCenter | Qt::AlignTop);
    lblLevel->setAccessibleDescription("レベル");
    lblStage->setAccessibleDescription("ステージ");
}

void FrmStageMsg::buildMessages() {
    const QPalette& system = QApplication::palette();
    for (int i = 0; i < 2; ++i) {
        const int top = i == 0 ? 44 : 184;
        // The grey box lies under its label, 6 right and 4 down: a shadow.
        Shape1[i] =
            MakePanel(this, QString("Shape1(%1)").arg(i), {120, top + 4, 336, 90}, kMidGrey);
        lblMsg[i + 1] = new MessageLabel(
            this, QString("lblMsg(%1)").arg(i + 1), {114, top, 337, 89}, GothicFont(15.75),
            system.color(QPalette::Text), system.color(QPalette::Base));
    }
}

void FrmStageMsg::Form_Load() {
    MessageScreen::Form_Load();
    ShowBriefing();
}

void FrmStageMsg::ShowBriefing() {
    const int level = sv.state.gLevel;
    const int stage = sv.state.gStage;
    if (const auto rules = RulesForLevel(level)) {
        lblLevel->setCaption(rules->name);
        for (int row = 0; row < 5; ++row) {
            lblPoint[row]->setCaption(kPoints[level - 1][row]);
        }
    }
    lblStage->setCaption(QString::number(stage));
    lblMsg[1]->setCaption(TextFor(kLevelTexts, level));
    lblMsg[2]->setCaption(TextFor(kStageTexts, stage));
}

void FrmStageMsg::cmdStart_Click() {
    SoundPopi();
    emit ended(BriefingOutcome::Start);
}

void FrmStageMsg::cmdEnd_Click() {
    emit ended(BriefingOutcome::Quit);
}
