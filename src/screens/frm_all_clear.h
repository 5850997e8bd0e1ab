#pragma once

#include <QPushButton>
#include <array>

#include "kit/controls.h"
#include "screens/over_field_screen.h"
#include "screens/paint_layer.h"

// The reward after the last stage of the hard level: a fanfare, three blinking lines of
// congratulation, then invaders painted at random behind them until the painting is wiped and
// the fanfare comes again.
class FrmAllClear : public OverFieldScreen {
    Q_OBJECT
  public:
    static constexpr const char* kName = "frmAllClear";
    static constexpr int kInvadersPerPainting = 150;

    explicit FrmAllClear(GameServices& services);
    ~FrmAllClear() override;

    void Form_Load() override;
    void Form_Unload() override;

    void tmrMsg_Timer();
    void tmrPaint_Timer();
    void cmdOk_Click();
    void cmdEnd_Click();

    // The painted invaders, under every label and button.
    PaintLayer* picPaint;
    // 0..2 the coloured lines, 3..5 the silver shadows of lines 0, 2 and 1.
    std::array<GameLabel*, 6> lblMsg;
    QPushButton* cmdOk;
    QPushButton* cmdEnd;
    GameTimer* tmrMsg;
    GameTimer* tmrPaint;
    std::unique_ptr<SoundDevice> mmcAllClear;          // the fanfare
    std::array<std::unique_ptr<SoundDevice>, 6> mmcD;  // one of six effects per painted invader

  signals:
    void ended(AllClearOutcome outcome);

  protected:
    void ClosedByWindow() override;

  private:
    void PlayEffect(int index);
    void showLines(bool on);
    // Int(Rnd * n): a whole number from 0 to n - 1.
    int randomBelow(int n);
};
