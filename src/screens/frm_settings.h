#pragma once

#include <QStringList>
#include <array>
#include <utility>
#include <vector>

#include "kit/screen.h"
#include "persist/lesson_settings.h"
#include "state/screen_id.h"

class QCheckBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QSpinBox;

// The teacher's settings. The settings the school fixes are shown greyed out with the reason,
// and those whose change waits for the next start say so; ＯＫ saves the others to the user's
// file, and says on the screen when it cannot.
class FrmSettings : public Screen {
    Q_OBJECT
  public:
    static constexpr const char* kName = "frmSettings";
    FrmSettings(Services& services, const LessonSettings& settings, const QStringList& locked,
                const QStringList& fromNextStart, const QString& userFile);
    void Form_Load() override;

    void cmdOk_Click();
    void cmdCancel_Click();

  signals:
    // ＯＫ saved these settings; closed follows.
    void saved(const LessonSettings& settings);
    // 「きろく」: the results screen, over this one.
    void resultsAsked();
    // ＯＫ or キャンセル: the screen is done.
    void closed();

  protected:
    void closeRequested() override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void addFlag(const QString& setting, bool LessonSettings::*flag, const QString& name,
                 const QString& caption);
    QSpinBox* addNumber(const QString& setting, const QString& name, const QString& caption,
                        int lowest, int highest);
    // Puts a setting's controls in the next row, greyed out with the reason when it is locked,
    // or with a note when a change waits for the next start.
    void addRow(const QString& setting, QWidget* label, const std::vector<QWidget*>& controls);
    // The small grey note beside a setting whose change waits for the next start; `control`
    // is the one a screen reader describes it with.
    void addNextStartNote(const QString& setting, int row, QWidget* control);
    // The settings as the controls show them.
    LessonSettings shown() const;
    // The message, and below it the file it is about, shortened to fit.
    void showError(const QString& text, const QString& file = {});

    LessonSettings given_;
    QStringList locked_;
    QStringList fromNextStart_;
    QString userFile_;
    QGridLayout* grid_;
    std::vector<std::pair<bool LessonSettings::*, QCheckBox*>> flags_;
    QSpinBox* spnVolume_;
    std::array<QCheckBox*, 3> chkLevel_;
    QSpinBox* spnScale_;
    QLabel* lblError_;
};
