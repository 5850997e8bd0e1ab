#include <QApplication>
#include <QPushButton>

#include "art/colours.h"
#include "art/name_entry_icons.h"
#include "highscore/frm_high_score.h"
#include "kit/controls.h"
#include "kit/fonts.h"
#include "screens/dialog_frame.h"
#include "sound/sound_device.h"

namespace {

QString Indexed(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

// A blue heading over its light grey shadow, both centred in their boxes.
void AddShadowedHeading(QWidget* parent, int index, const QString& text, QRect box,
                        QPoint shadowOffset, const QFont& font) {
    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignVCenter;
    new GameLabel(parent, Indexed("lblT", index + 1), text, box.translated(shadowOffset), font,
                  kLightGrey, std::nullopt, centred);
    new GameLabel(parent, Indexed("lblT", index), text, box, font, kBlue, std::nullopt, centred);
}
}  // namespace

FrmHighScore::FrmHighScore(GameServices& services, Purpose purpose)
    : ScreenWith(services, purpose == Purpose::HighScore ? ScreenId::NameEntry : ScreenId::AskName,
                 kName),
      purpose_(purpose) {
    setWindowKind(WindowKind::Dialog);
    setCaption("");
    setBackColour(Qt::white);
    BuildHeading();
    BuildKeyboard();
    if (purpose_ == Purpose::PlayerName) {
        // The same keyboard asks the name before play: the heading asks for it, and there is no
        // score to show.
        for (const char* heading : {"lblT(0)", "lblT(1)"}) {
            findChild<GameLabel*>(heading)->setCaption(QStringLiteral("はじめるまえに"));
        }
        for (const char* heading : {"lblT(2)", "lblT(3)"}) {
            findChild<GameLabel*>(heading)->setCaption(QStringLiteral("なまえを入れてね"));
        }
        findChild<QWidget*>("picD1")->hide();
        findChild<GameLabel*>("lblD(3)")->setCaption(QStringLiteral("なまえ （10文字まで）"));
        findChild<QPushButton*>("cmdOk")->setText(QStringLiteral("OK（はじめる）"));
    }
    mmcOpening = sv.sound.create(DeviceType::WaveAudio, "mmcOpening");
    mmcSound = sv.sound.create(DeviceType::WaveAudio, "mmcSound");
    setKeyPreview(true);
    setTakesText(true);
}

FrmHighScore::~FrmHighScore() = default;

void FrmHighScore::BuildHeading() {
    QWidget* picT = MakePanel(this, "picT", {8, 0, 223, 65}, Qt::white);
    AddShadowedHeading(picT, 0, "おめでとうございます", {5, 5, 179, 19}, {3, 3},
                       GothicFont(12, true));
    AddShadowedHeading(picT, 2, "ハイスコアです！", {4, 28, 221, 29}, {3, 5}, GothicFont(18, true));

    QWidget* picD1 = MakePanel(this, "picD1", {234, 8, 169, 49}, QColor(128, 255, 255));
    new GameLabel(picD1, "lblD(2)", "とくてん", {3, 17, 44, 12}, PGothicFont(8.25), Qt::black);
    lblPoint = new GameLabel(picD1, "lblPoint", "", {56, 11, 104, 24}, GothicFont(14.25, true),
                             kMagenta, kBlack, Qt::AlignCenter);
    lblPoint->setAccessibleDescription("とくてん");

    QWidget* picD = MakePanel(this, "picD", {40, 72, 329, 65}, kNavy);
    new GameLabel(picD, "lblD(3)", "あなたの名前を記ろくします。 （10文字まで）", {43, 2, 242, 13},
                  PGothicFont(9), Qt::white);
    const QPalette system = QApplication::palette();
    lblName = new GameLabel(picD, "lblName", "", {48, 24, 232, 25}, GothicFont(14.25, true),
                            system.color(QPalette::Text), system.color(QPalette::Base),
                            Qt::AlignLeft | Qt::AlignVCenter);
    lblName->setAccessibleDescription("記ろくする名前");

    MakeImage(this, "imgD(0)", ChampionInvaderIcon(), 4, 88);
    MakeImage(this, "imgD(1)", StarInvaderIcon(), 375, 88);
}

void FrmHighScore::BuildKeyboard() {
    picKey = MakePanel(this, "picKey", {0, 144, 409, 297}, kYellow);
    // The input method stays on for the panel that holds the focus, whatever key was clicked.
    picKey->setAttribute(Qt::WA_InputMethodEnabled);
    picKey->setFocusPolicy(Qt::ClickFocus);
    picKey->setAccessibleName("名前の文字のキーボード");
    new GameLabel(picKey, "lblD(0)", "マウスで文字をえらんでね", {10, 6, 147, 12}, PGothicFont(9),
                  Qt::black);

    auto button = [this](const QString& name, const QString& caption, QRect geometry,
                         const QFont& font) {
        QPushButton* b = MakeButton(picKey, name, caption, geometry, font);
        b->setFocusPolicy(Qt::TabFocus);  // a click leaves the focus with the panel
        return b;
    };
    const QFont keyFont = GothicFont(12);
    for (int array = 0; array < kKeyArrays; ++array) {
        const KeyArray& spec = KeyArrays()[static_cast<std::size_t>(array)];
        const int count = static_cast<int>(spec.characters[0].size());
        for (int i = 0; i < count; ++i) {
            QPushButton* key =
                button(Indexed(spec.name, i), "",
                       {KeyPosition(spec.origin, i), QSize(kKeySize, kKeySize)}, keyFont);
            connect(key, &QPushButton::clicked, this, [this, array, i] { cmdKey_Click(array, i); });
            keys_[static_cast<std::size_t>(array)].push_back(key);
        }
    }
    const QFont font = DefaultControlFont();
    connect(button("cmdKana", "ひらがな／カタカナ", {8, 24, 121, 25}, font), &QPushButton::clicked,
            this, &FrmHighScore::cmdKana_Click);
    connect(button("cmdBS", "ひとつもどる", {280, 192, 121, 25}, font), &QPushButton::clicked, this,
            &FrmHighScore::cmdBS_Click);
    connect(button("cmdDel", "全部消す", {280, 216, 121, 25}, font), &QPushButton::clicked, this,
            &FrmHighScore::cmdDel_Click);
    connect(button("cmdOk", "OK（おわり）", {280, 264, 121, 25}, font), &QPushButton::clicked, this,
            &FrmHighScore::cmdOk_Click);
}
