#pragma once

#include <QLabel>
#include <QPushButton>

#include "kit/controls.h"
#include "screens/over_field_screen.h"

// Shown over the play field when the Earth is lost: the player continues the stage, changes the
// level or ends the game. The choice goes back to the play screen in gRetryFlag.
class FrmGameOver : public OverFieldScreen {
    Q_OBJECT
  public:
    static constexpr const char* kName = "frmGameOver";
    explicit FrmGameOver(GameServices& services);
    ~FrmGameOver() override;

    void Form_Load() override;
    void Form_Unload() override;

    void tmrDemo_Timer();
    void cmdContinue_Click();
    void cmdCancel_Click();
    void cmdEnd_Click();

    GameLabel* lblGameOver;
    QLabel* imgInv;
    GameLabel* lblMsg;
    QPushButton* cmdContinue;
    QPushButton* cmdCancel;
    QPushButton* cmdEnd;
    GameTimer* tmrDemo;                        // the invader's walk and the message's blink
    std::unique_ptr<SoundDevice> mmcGameOver;  // the game-over tune

  signals:
    void ended(GameOverOutcome outcome);

  protected:
    void ClosedByWindow() override;

  private:
    void choose(int retry, GameOverOutcome outcome);
};
