#include "results/frm_results.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QRadioButton>
#include <QVBoxLayout>

#include "kit/fonts.h"
#include "persist/shot_record_copy.h"

namespace {
// The size the screen is designed for; on a smaller screen the chart and the table give way.
constexpr int kWidth = 660;
constexpr int kHeight = 700;
const QString kNoName = QStringLiteral("（なまえなし）");

QString ShownName(const QString& name) {
    return name.isEmpty() ? kNoName : name;
}

QString AngleList(const std::vector<int>& angles) {
    QStringList texts;
    for (int angle : angles) {
        texts.append(QStringLiteral("%1°").arg(angle));
    }
    return texts.isEmpty() ? QStringLiteral("―") : texts.join(QStringLiteral("、"));
}

QLabel* MakeLine(QWidget* parent, const QString& name, const QString& accessibleName) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAccessibleName(accessibleName);
    label->setWordWrap(true);
    return label;
}

// The total and, for each file with any, how many: a teacher who looks finds them.
QString DamagedText(const ShotRecordContents& contents) {
    QStringList files;
    for (const ShotRecordFile& file : contents.files) {
        if (file.damagedLines > 0) {
            files.append(QStringLiteral("%1 に%2行").arg(file.name).arg(file.damagedLines));
        }
    }
    return QStringLiteral("こわれた行が%1行あったので、とばしました（%2）。")
        .arg(contents.damagedLines)
        .arg(files.join(QStringLiteral("、")));
}

QString PathText(const QString& recordPath, const ShotRecordContents& contents) {
    const QString path = QStringLiteral("ファイル：%1").arg(recordPath);
    const qsizetype movedAside = qsizetype(contents.files.size()) - 1;
    if (movedAside <= 0) {
        return path;
    }
    return path + QStringLiteral(" と、同じフォルダの前のきろく%1ファイル（%2-日付-時刻.csv）")
                      .arg(movedAside)
                      .arg(QFileInfo(recordPath).completeBaseName());
}

QString AskForFolder(QWidget* parent) {
    return QFileDialog::getExistingDirectory(parent, QStringLiteral("コピーを保存するフォルダ"));
}
}  // namespace

FrmResults::FrmResults(const QString& recordPath, const QDateTime& now, const AngleGrid& grid,
                       QWidget* parent)
    : QWidget(parent),
      recordPath_(recordPath),
      now_(now),
      grid_(grid),
      chooseFolder_(AskForFolder) {
    setObjectName(QStringLiteral("frmResults"));
    setWindowTitle(QStringLiteral("きろく"));
    setAccessibleName(QStringLiteral("きろく"));
    resize(kWidth, kHeight);
    setFont(PGothicFont(10.5));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);

    auto* filters = new QHBoxLayout;
    auto* when = new QLabel(QStringLiteral("いつ："), this);
    filters->addWidget(when);
    optPeriod = new QButtonGroup(this);
    const std::pair<ResultsPeriod, const char*> periods[] = {{ResultsPeriod::Today, "今日"},
                                                             {ResultsPeriod::ThisWeek, "今週"},
                                                             {ResultsPeriod::Everything, "ぜんぶ"}};
    for (const auto& [period, caption] : periods) {
        auto* option = new QRadioButton(QString::fromUtf8(caption), this);
        option->setObjectName(QStringLiteral("optPeriod(%1)").arg(int(period)));
        option->setAccessibleName(QStringLiteral("%1のきろく").arg(QString::fromUtf8(caption)));
        optPeriod->addButton(option, int(period));
        filters->addWidget(option);
    }
    optPeriod->button(int(ResultsPeriod::Everything))->setChecked(true);
    filters->addSpacing(24);
    auto* who = new QLabel(QStringLiteral("だれ："), this);
    filters->addWidget(who);
    cboName = new QComboBox(this);
    cboName->setObjectName(QStringLiteral("cboName"));
    cboName->setAccessibleName(QStringLiteral("なまえをえらぶ"));
    cboName->setMinimumWidth(160);
    who->setBuddy(cboName);
    filters->addWidget(cboName);
    filters->addStretch();

    picChart = new ProtractorChart(this);
    picChart->setObjectName(QStringLiteral("picChart"));
    auto* legend = new QLabel(
        QStringLiteral(
            "色は命中のわりあい：赤 0％ → 黄 50％ → 緑 100％、灰色はまだうっていない角度。"
            "「12回 -8°」は、うった回数と、ずれの平均（入力した角度 − 正しい角度）。"),
        this);
    legend->setObjectName(QStringLiteral("lblLegend"));
    legend->setAccessibleName(QStringLiteral("色の見かた"));
    legend->setWordWrap(true);
    legend->setFont(PGothicFont(9));

    tblNames = new QTableWidget(0, 5, this);
    tblNames->setObjectName(QStringLiteral("tblNames"));
    tblNames->setAccessibleName(QStringLiteral("なまえごとのきろく"));
    tblNames->setHorizontalHeaderLabels({QStringLiteral("なまえ"), QStringLiteral("回数"),
                                         QStringLiteral("命中"), QStringLiteral("ずれの平均"),
                                         QStringLiteral("よくはずす角度")});
    tblNames->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblNames->verticalHeader()->hide();
    tblNames->horizontalHeader()->setStretchLastSection(true);
    tblNames->setColumnWidth(0, 170);
    // Where the screen is short, three names still show.
    tblNames->setMinimumHeight(tblNames->horizontalHeader()->sizeHint().height() +
                               3 * tblNames->verticalHeader()->defaultSectionSize() +
                               2 * tblNames->frameWidth());

    lblDamaged = MakeLine(this, QStringLiteral("lblDamaged"), QStringLiteral("こわれた行"));
    lblProblem = MakeLine(this, QStringLiteral("lblProblem"), QStringLiteral("読めないわけ"));
    lblProblem->setStyleSheet(QStringLiteral("color: #c00000;"));
    lblPath = MakeLine(this, QStringLiteral("lblPath"), QStringLiteral("きろくのファイルの場所"));
    lblPath->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblSaved = MakeLine(this, QStringLiteral("lblSaved"), QStringLiteral("コピーの保存"));
    lblSaved->hide();  // its line is the table's until a copy is saved

    cmdSaveCopy = new QPushButton(QStringLiteral("コピーを保存…"), this);
    cmdSaveCopy->setObjectName(QStringLiteral("cmdSaveCopy"));
    cmdSaveCopy->setAccessibleName(QStringLiteral("きろくのコピーを保存"));
    cmdClose = new QPushButton(QStringLiteral("とじる"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setAccessibleName(QStringLiteral("きろくをとじる"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdSaveCopy);
    buttons->addStretch();
    buttons->addWidget(cmdClose);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->addLayout(filters);
    layout->addWidget(picChart);
    layout->addWidget(legend);
    layout->addWidget(tblNames, 1);
    for (QLabel* line : {lblDamaged, lblProblem, lblPath, lblSaved}) {
        layout->addWidget(line);
    }
    layout->addLayout(buttons);

    connect(optPeriod, &QButtonGroup::idClicked, this, [this] { showFigures(); });
    connect(cboName, &QComboBox::currentIndexChanged, this, [this] { showFigures(); });
    connect(cmdSaveCopy, &QPushButton::clicked, this, [this] { cmdSaveCopy_Click(); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { emit closed(); });
    reload();
}

void FrmResults::reload() {
    contents_ = ReadShotRecord(recordPath_);
    lblProblem->setText(contents_.problem);
    lblProblem->setVisible(!contents_.problem.isEmpty());
    lblDamaged->setText(DamagedText(contents_));
    lblDamaged->setVisible(contents_.damagedLines > 0);
    lblPath->setText(PathText(recordPath_, contents_));
    cmdSaveCopy->setEnabled(contents_.problem.isEmpty());
    fillNameChooser();
    showFigures();
}

void FrmResults::fillNameChooser() {
    const QVariant chosen = cboName->currentData();
    const QSignalBlocker quiet(cboName);
    cboName->clear();
    cboName->addItem(QStringLiteral("みんな"));
    for (const QString& name : NamesInRecord(contents_.rows)) {
        cboName->addItem(ShownName(name), name);
    }
    cboName->setCurrentIndex(std::max(0, cboName->findData(chosen)));
}

ResultsFilter FrmResults::filter() const {
    ResultsFilter filter;
    filter.period = ResultsPeriod(optPeriod->checkedId());
    if (cboName->currentIndex() > 0) {
        filter.name = cboName->currentData().toString();
    }
    return filter;
}

void FrmResults::showFigures() {
    figures_ = ComputeResultsFigures(contents_.rows, filter(), now_.date(), grid_);
    picChart->setFigures(figures_.angles, figures_.grid);
    tblNames->setRowCount(int(figures_.names.size()));
    for (int row = 0; row < tblNames->rowCount(); ++row) {
        const NameFigures& n = figures_.names[size_t(row)];
        const QString cells[] = {
            ShownName(n.name), QStringLiteral("%1回").arg(n.shots),
            QStringLiteral("%1回（%2％）").arg(n.hits).arg(qRound(100.0 * n.hits / n.shots)),
            SignedDegrees(n.averageError), AngleList(n.mostMissed)};
        for (int column = 0; column < 5; ++column) {
            tblNames->setItem(row, column, new QTableWidgetItem(cells[column]));
        }
    }
}

void FrmResults::cmdSaveCopy_Click() {
    const QString folder = chooseFolder_(this);
    if (folder.isEmpty()) {
        return;
    }
    const ShotRecordCopy copy = SaveShotRecordCopy(recordPath_, folder, now_);
    lblSaved->show();
    lblSaved->setText(copy.path.isEmpty()
                          ? copy.problem
                          : QStringLiteral("コピーを保存しました：%1").arg(copy.path));
}

void FrmResults::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        emit closed();
        return;
    }
    QWidget::keyPressEvent(event);
}
