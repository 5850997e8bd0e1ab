#pragma once

#include <QLabel>

#include "kit/controls.h"
#include "screens/message_screen.h"
#include "state/checked_int.h"

// Before the first game of a run: what the game asks of the player, under a walking invader
// that carries a sign asking to read it.
class FrmFirstMsg : public MessageScreen {
    Q_OBJECT
  public:
    static constexpr const char* kName = "frmFirstMsg";
    explicit FrmFirstMsg(GameServices& services);

    void Form_Load() override;
    void tmrInv_Timer();
    void cmdOk_Click();
    void cmdEnd_Click();

    QWidget* picMsg;
    std::array<GameLabel*, 2> lblMsg;
    QLabel* imgInv;
    GameLabel* lblReadMe;
    GameTimer* tmrInv;
    QPushButton* cmdOk;

    // How far the invader and its sign have walked left, and the ticks since the walk began.
    // The screen comes once a run, so a fresh screen walks from the start.
    Int16 mWalkOffset;
    Int16 mWalkStep;

  signals:
    void ended(ReadMeOutcome outcome);

  private:
    void ShowReadMe();
};
