#include "screens/frm_settings.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <algorithm>

#include "kit/fonts.h"
#include "persist/settings_writer.h"

namespace {

const QString kSchoolReason = QStringLiteral("学校の設定");

QString NotSavedText(SaveFailure failure) {
    return QStringLiteral("設定を保存できません。") + [failure] {
        switch (failure) {
            case SaveFailure::Link:
                return QStringLiteral("ファイルがリンクです。");
            case SaveFailure::NotAFile:
                return QStringLiteral("ファイルの場所に別のものがあります。");
            case SaveFailure::Unreadable:
                return QStringLiteral("いまのファイルが読めません。");
            case SaveFailure::NoFolder:
                return QStringLiteral("フォルダーを作れません。");
            case SaveFailure::NotWritten:
            case SaveFailure::None:
                break;
        }
        return QStringLiteral("ファイルに書きこめません。");
    }();
}

}  // namespace

FrmSettings::FrmSettings(Services& services, const LessonSettings& settings,
                         const QStringList& locked, const QStringList& fromNextStart,
                         const QString& userFile)
    : Screen(services, ScreenId::Settings, kName),
      given_(settings),
      locked_(locked),
      fromNextStart_(fromNextStart),
      userFile_(userFile),
      grid_(new QGridLayout(this)) {
    setWindowKind(WindowKind::Dialog);
    setCaption(QStringLiteral("先生の設定"));
    setFont(PGothicFont(9.75));
    grid_->setHorizontalSpacing(12);

    addFlag("mute", &LessonSettings::mute, "chkMute", QStringLiteral("音を消す"));
    spnVolume_ = addNumber("volume", "spnVolume", QStringLiteral("音量"), 0, 100);
    spnVolume_->setValue(settings.volume);

    auto* levelsLabel = new QLabel(QStringLiteral("えらべるレベル"), this);
    std::vector<QWidget*> levelBoxes;
    for (int level = 1; level <= 3; ++level) {
        auto* box = new QCheckBox(QString::number(level), this);
        box->setObjectName(QStringLiteral("chkLevel(%1)").arg(level));
        box->setAccessibleName(QStringLiteral("レベル%1をえらべる").arg(level));
        box->setChecked(settings.levels.contains(level));
        chkLevel_[level - 1] = box;
        levelBoxes.push_back(box);
    }
    addRow("levels", levelsLabel, levelBoxes);

    addFlag("practice", &LessonSettings::practice, "chkPractice",
            QStringLiteral("れんしゅう（時間制限なし）"));
    addFlag("show-answer", &LessonSettings::showAnswer, "chkShowAnswer",
            QStringLiteral("答えを見せる"));
    addFlag("calm", &LessonSettings::calm, "chkCalm", QStringLiteral("点滅なし"));
    addFlag("keypad", &LessonSettings::keypad, "chkKeypad", QStringLiteral("画面キーパッド"));
    addFlag("fullscreen", &LessonSettings::fullscreen, "chkFullscreen", QStringLiteral("全画面"));
    spnScale_ = addNumber("scale", "spnScale", QStringLiteral("拡大"), 0, 8);
    spnScale_->setSpecialValueText(QStringLiteral("自動"));
    spnScale_->setSuffix(QStringLiteral(" 倍"));
    spnScale_->setValue(settings.scale.value_or(0));
    addFlag("ask-name", &LessonSettings::askName, "chkAskName", QStringLiteral("名前をきく"));

    lblError_ = new QLabel(this);
    lblError_->setObjectName("lblError");
    lblError_->setStyleSheet(QStringLiteral("color: #c00000"));
    // Room for the longest message and the file's name below it, so that the window need not
    // grow when one is shown.
    int widest = 0;
    for (SaveFailure failure : {SaveFailure::Link, SaveFailure::NotAFile, SaveFailure::Unreadable,
                                SaveFailure::NoFolder, SaveFailure::NotWritten}) {
        widest = std::max(widest, fontMetrics().horizontalAdvance(NotSavedText(failure)));
    }
    lblError_->setMinimumSize(widest, 2 * fontMetrics().lineSpacing());
    grid_->addWidget(lblError_, grid_->rowCount(), 0, 1, 3);

    auto* cmdOk = new QPushButton(QStringLiteral("ＯＫ"), this);
    cmdOk->setObjectName("cmdOk");
    cmdOk->setAccessibleName(QStringLiteral("ＯＫ　保存して閉じる"));
    auto* cmdCancel = new QPushButton(QStringLiteral("キャンセル"), this);
    cmdCancel->setObjectName("cmdCancel");
    cmdCancel->setAccessibleName(QStringLiteral("キャンセル　保存しないで閉じる"));
    for (QPushButton* button : {cmdOk, cmdCancel}) {
        button->setAutoDefault(true);  // Enter clicks the focused one
    }
    connect(cmdOk, &QPushButton::clicked, this, &FrmSettings::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &FrmSettings::cmdCancel_Click);
    auto* cmdResults = new QPushButton(QStringLiteral("きろく"), this);
    cmdResults->setObjectName("cmdResults");
    cmdResults->setAccessibleName(QStringLiteral("きろく　子どもたちの記録を見る"));
    connect(cmdResults, &QPushButton::clicked, this, &FrmSettings::resultsAsked);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdResults);
    buttons->addStretch();
    buttons->addWidget(cmdOk);
    buttons->addWidget(cmdCancel);
    grid_->addLayout(buttons, grid_->rowCount(), 0, 1, 3);
}

void FrmSettings::Form_Load() {
    grid_->activate();
    sizeAndCentre(sizeHint().width(), sizeHint().height());
}

void FrmSettings::addFlag(const QString& setting, bool LessonSettings::*flag, const QString& name,
                          const QString& caption) {
    auto* box = new QCheckBox(caption, this);
    box->setObjectName(name);
    box->setAccessibleName(caption);
    box->setChecked(given_.*flag);
    flags_.emplace_back(flag, box);
    addRow(setting, box, {});
}

QSpinBox* FrmSettings::addNumber(const QString& setting, const QString& name,
                                 const QString& caption, int lowest, int highest) {
    auto* label = new QLabel(caption, this);
    auto* number = new QSpinBox(this);
    number->setObjectName(name);
    number->setAccessibleName(caption);
    number->setRange(lowest, highest);
    label->setBuddy(number);
    addRow(setting, label, {number});
    return number;
}

void FrmSettings::addRow(const QString& setting, QWidget* label,
                         const std::vector<QWidget*>& controls) {
    const int row = grid_->rowCount();
    grid_->addWidget(label, row, 0);
    auto* line = new QHBoxLayout;
    for (QWidget* control : controls) {
        line->addWidget(control);
    }
    line->addStretch();
    grid_->addLayout(line, row, 1);
    if (!locked_.contains(setting)) {
        if (fromNextStart_.contains(setting)) {
            addNextStartNote(setting, row, controls.empty() ? label : controls.front());
        }
        return;
    }
    label->setEnabled(false);
    for (QWidget* control : controls) {
        control->setEnabled(false);
    }
    for (QWidget* control : controls.empty() ? std::vector<QWidget*>{label} : controls) {
        control->setAccessibleDescription(QStringLiteral("学校の設定で変えられません"));
    }
    auto* reason = new QLabel(kSchoolReason, this);
    reason->setObjectName(QStringLiteral("lblLocked(%1)").arg(setting));
    grid_->addWidget(reason, row, 2);
}

void FrmSettings::addNextStartNote(const QString& setting, int row, QWidget* control) {
    // Un-muting is the one change to mute that waits.
    const QString text = setting == QLatin1String("mute")
                             ? QStringLiteral("音が出るのは次に起動したときから")
                             : QStringLiteral("次に起動したときから");
    auto* note = new QLabel(text, this);
    note->setObjectName(QStringLiteral("lblNextStart(%1)").arg(setting));
    note->setStyleSheet(QStringLiteral("color: #808080"));
    note->setFont(PGothicFont(8.25));
    control->setAccessibleDescription(text);
    grid_->addWidget(note, row, 2);
}

LessonSettings FrmSettings::shown() const {
    LessonSettings settings = given_;
    for (const auto& [flag, box] : flags_) {
        settings.*flag = box->isChecked();
    }
    settings.volume = spnVolume_->value();
    settings.levels.clear();
    for (int level = 1; level <= 3; ++level) {
        if (chkLevel_[level - 1]->isChecked()) {
            settings.levels.insert(level);
        }
    }
    settings.scale.reset();
    if (spnScale_->value() > 0) {
        settings.scale = spnScale_->value();
    }
    return settings;
}

void FrmSettings::cmdOk_Click() {
    const LessonSettings settings = shown();
    if (settings.levels.empty()) {
        showError(QStringLiteral("えらべるレベルを一つ以上えらんでください。"));
        return;
    }
    const SaveFailure failure = SaveUserSettings(userFile_, settings, locked_);
    if (failure != SaveFailure::None) {
        showError(NotSavedText(failure), userFile_);
        return;
    }
    emit saved(settings);
    emit closed();
}

void FrmSettings::cmdCancel_Click() {
    emit closed();
}

void FrmSettings::closeRequested() {
    cmdCancel_Click();
}

void FrmSettings::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        cmdCancel_Click();
        return;
    }
    Screen::keyPressEvent(event);
}

void FrmSettings::showError(const QString& text, const QString& file) {
    const QString shortFile =
        lblError_->fontMetrics().elidedText(file, Qt::ElideMiddle, lblError_->width());
    lblError_->setText(file.isEmpty() ? text : text + '\n' + shortFile);
    lblError_->setToolTip(file);
    lblError_->setAccessibleName(text);
    lblError_->setAccessibleDescription(file);
}
