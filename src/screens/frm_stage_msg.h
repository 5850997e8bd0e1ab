#pragma once

#include <QLabel>
#include <array>

#include "kit/controls.h"
#include "screens/message_screen.h"

// Before every stage: the level and stage, what an invader of each colour brings and a miss
// costs, and what is special about the level and the stage.
class FrmStageMsg : public MessageScreen {
    Q_OBJECT
  public:
    static constexpr const char* kName = "frmStageMsg";
    explicit FrmStageMsg(GameServices& services);

    void Form_Load() override;
    void cmdStart_Click();
    void cmdEnd_Click();

    QWidget* picD;
    std::array<QLabel*, 4> imgD;
    std::array<GameLabel*, 5> lblD2;
    std::array<GameLabel*, 5> lblPoint;
    std::array<QWidget*, 2> picM;
    std::array<GameLabel*, 6> lblD{};  // 0, 1 and 5 are used
    GameLabel* lblLevel;
    GameLabel* lblStage;
    std::array<QWidget*, 2> Shape1;
    std::array<GameLabel*, 3> lblMsg{};  // 1 and 2 are used
    QPushButton* cmdStart;

  signals:
    void ended(BriefingOutcome outcome);

  private:
    void buildPointsTable();
    void buildHeadings();
    void buildMessages();
    void ShowBriefing();
};
