#pragma once

#include <QLabel>
#include <QPushButton>
#include <memory>

#include "kit/controls.h"
#include "kit/field_canvas.h"
#include "kit/screen.h"
#include "sound/sound_device.h"
#include "state/checked_int.h"
#include "state/fan_sweep.h"
#include "state/game_services.h"
#include "state/screen_id.h"

// The title: the choice of level (and shortcut keys for any level and stage), the version
// dialog and the end of the program, over a demonstration of the game's idea.
class FrmTezraStart : public ScreenWith<GameServices> {
    Q_OBJECT
  public:
    static constexpr const char* kName = "frmTezraStart";
    static constexpr int kClientWidth = 461;
    static constexpr int kClientHeight = 346;

    explicit FrmTezraStart(GameServices& services);
    ~FrmTezraStart() override;

    void Form_Load() override;
    void Form_KeyDown(int keyCode, int shift) override;
    void AfterModal(ScreenKey closed) override;

    // --- controls -------------------------------------------------------------------------
    QPushButton* cmdVer;
    QPushButton* cmdEnd;
    FieldCanvas* picDemo;
    QWidget* picD;
    GameLabel* lblD1;
    GameLabel* lblD2;
    QPushButton* cmdLo;
    QPushButton* cmdMid;
    QPushButton* comHigh;
    FieldLine* Line1;
    FieldLine* Line2;
    QLabel* imgInv;
    std::unique_ptr<SoundDevice> mmcPopi;  // the click of a button

    // --- timers ---------------------------------------------------------------------------
    GameTimer* tmrDemo;  // the demonstration's steps
    GameTimer* tmrInv;   // the invader's walk
    GameTimer* tmrS;     // the shot's flight
    GameTimer* tmrOugi;  // the fan sweep

    // --- demonstration state --------------------------------------------------------------
    // 0 while the fan is still to sweep, 1 while the shot flies.
    Int16 demoPhase;
    // The invader and the angle the demonstration shoots at it, and whether the shot hit it.
    Int16 demoInvAngle;
    Int16 demoInvDist;
    Int16 demoAngle;
    bool demoHit = false;
    Int16 mDemoBusy;
    Int16 demoTick;
    Int16 invFrame;
    Int16 hitHold;
    FanState fan;
    Int16 shotDist;

    void cmdLo_Click();
    void cmdMid_Click();
    void comHigh_Click();
    void cmdVer_Click();
    void cmdEnd_Click();

    // --- demonstration (title_demo.cpp) ---------------------------------------------------
    void tmrDemo_Timer();
    void tmrInv_Timer();
    void tmrS_Timer();
    void tmrOugi_Timer();
    void StartDemoShot(int angle);
    void BeginDemoSweep();
    void ClearDemo();
    void DrawDemoBurst(float x, float y);

  signals:
    void ended(TitleOutcome outcome);

  private:
    void buildControls();
    void buildDemo();
    // Only the levels the lesson allows can be chosen; the teacher may change them meanwhile.
    void showAllowedLevels();
    void ChooseLevel(int level, int stage);
    void StartGame();
    void SoundPopi();
};
