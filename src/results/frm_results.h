#pragma once

#include <QButtonGroup>
#include <QComboBox>
#include <QDateTime>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QWidget>
#include <functional>

#include "persist/shot_record_reader.h"
#include "results/protractor_chart.h"
#include "results/results_figures.h"

// The results screen 「きろく」 for the teacher: what the record of shots says, by angle on a
// protractor and by name in a table, for today, this week or everything and for one name or
// all; where the record lies, and a copy of it saved to a folder the teacher chooses.
class FrmResults : public QWidget {
    Q_OBJECT
  public:
    // Asks for a folder; an empty answer means none was chosen.
    using FolderChooser = std::function<QString(QWidget* parent)>;

    // recordPath is results.csv in the data folder; now decides what today and this week are,
    // and names the copies.
    // grid says which angles the chart has.
    FrmResults(const QString& recordPath, const QDateTime& now, const AngleGrid& grid = kTensGrid,
               QWidget* parent = nullptr);

    void setFolderChooser(FolderChooser chooser) { chooseFolder_ = std::move(chooser); }
    // Reads the record again and shows it.
    void reload();
    const ResultsFigures& figures() const { return figures_; }

    void cmdSaveCopy_Click();

  signals:
    void closed();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void showFigures();
    void fillNameChooser();
    ResultsFilter filter() const;

    QString recordPath_;
    QDateTime now_;
    AngleGrid grid_;
    FolderChooser chooseFolder_;
    ShotRecordContents contents_;
    ResultsFigures figures_;

    QButtonGroup* optPeriod;
    QComboBox* cboName;
    ProtractorChart* picChart;
    QTableWidget* tblNames;
    QLabel* lblDamaged;
    QLabel* lblProblem;
    QLabel* lblPath;
    QLabel* lblSaved;
    QPushButton* cmdSaveCopy;
    QPushButton* cmdClose;
};
