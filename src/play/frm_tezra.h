#pragma once

#include <QGroupBox>
#include <QImage>
#include <QRadioButton>
#include <array>
#include <memory>
#include <optional>

#include "core/angle_picker.h"
#include "kit/controls.h"
#include "kit/field_canvas.h"
#include "kit/screen.h"
#include "kit/touch_keypad.h"
#include "play/play_model.h"
#include "sound/sound_device.h"
#include "sound/sound_files.h"
#include "state/checked_int.h"
#include "state/game_services.h"
#include "state/screen_id.h"

// The play screen: the field, the angle entry and the status boxes. Its timers step the sequences
// of the model it owns and draw and sound what each step returns.
// Its handlers and procedures are split over the play/ sources by the part of play they serve.
class FrmTezra : public ScreenWith<GameServices> {
    Q_OBJECT
  public:
    static constexpr const char* kName = "frmTezra";
    static constexpr int kClientWidth = 634;
    static constexpr int kClientHeight = 449;

    // The window's client size, with the touch keys beside the controls or without them.
    static QSize ClientSize(bool keypad);

    explicit FrmTezra(GameServices& services);
    ~FrmTezra() override;

    void Form_Load() override;
    void Form_Unload() override;
    void Form_KeyDown(int keyCode, int shift) override;
    void Form_KeyPress(char32_t keyAscii) override;
    bool KeepsKey(int keyCode) const override;
    void AfterModal(ScreenKey closed) override;

    // The rules and sequence state the screen draws; others follow its events.
    PlayModel& model() { return model_; }
    const PlayModel& model() const { return model_; }
    PlayPhase phase() const { return model_.phase(); }
    // The field, for screens laid over it.
    const FieldCanvas& field() const { return *picMain; }

  signals:
    void ended(PlayOutcome outcome);

  private:
    // Tests reach the inside through one probe.
    friend class PlayProbe;

    // --- controls -------------------------------------------------------------------------
    QWidget* picLevelDisp;
    GameLabel* lblLevel;
    GameLabel* lblStage;
    QGroupBox* Frame1;
    GameLabel* lblBGM;
    std::array<QRadioButton*, 2> optOnOff;
    QWidget* picHiScore;
    GameLabel* lblHiScore;
    GameLabel* lblHiName;
    FieldCanvas* picMain;  // the play field
    QWidget* picRest;
    GameLabel* lblRest;
    QLabel* imgD;  // the invader beside the count of those left
    QWidget* picScore;
    GameLabel* lblScore;
    std::array<FieldLine*, 2> Line1;  // the red line, in two strands
    FieldLine* Line2;                 // the shot
    GameLabel* lbl0LR;                // the 0° mark
    GameLabel* lblArw;                // the counting arrow's caption
    std::array<QLabel*, 3> imgInv;
    GameLabel* lblHitMsg;
    GameLabel* lblHitAngle;
    GameLabel* lblHitPoint;
    GameLabel* lblAnswer;  // after a miss, with show-answer: the right angle and how far off
    std::array<GameLabel*, 2> lblClearMsg;
    std::array<GameLabel*, 2> lblOverMsg;
    QWidget* picInp;
    GameLabel* lblAngle;
    QPushButton* cmdShoot;
    std::array<GameLabel*, 1> lblMsg;
    QPushButton* cmdChange;
    QPushButton* cmdEnd;
    QPushButton* cmdHelp;
    TouchKeypad* keypad_ = nullptr;  // only with the keypad setting

    // --- timers ---------------------------------------------------------------------------
    std::array<GameTimer*, 3> tmrInv;  // each invader's walk
    GameTimer* tmrOugi;                // the fan sweep
    GameTimer* tmrS;                   // the shot's flight
    GameTimer* tmrAfterHit;
    GameTimer* tmrAfterMiss;
    GameTimer* tmrWatch;      // the guard: takes the controls away while busy, blinks the prompt
    GameTimer* tmrMsgSClear;  // the stage-clear message
    GameTimer* tmrGameOver1;  // the game-over flash
    GameTimer* tmrGameOver2;  // the game-over message typed out

    // --- sound devices --------------------------------------------------------------------
    std::unique_ptr<SoundDevice> mmcShoot;              // the shot
    std::unique_ptr<SoundDevice> mmcPyu;                // a hit
    std::unique_ptr<SoundDevice> mmcDen;                // a miss, and the game-over flash
    std::array<std::unique_ptr<SoundDevice>, 2> mmcBu;  // the footsteps, one per walking frame
    std::unique_ptr<SoundDevice> mmcPo;                 // a digit typed, a shot fired
    std::unique_ptr<SoundDevice> mmcPu;                 // each tick of the fan sweep
    std::unique_ptr<SoundDevice> mmcClick;              // a character of the game-over message
    std::unique_ptr<SoundDevice> mmcGun;                // the game-over message's end
    std::unique_ptr<SoundDevice> mmcSClear;             // the stage clear
    std::unique_ptr<SoundDevice> mmcMidi;               // the stage's music

    // --- screen state ---------------------------------------------------------------------
    // The game's own choice of angles, unless the services bring a picker of their own.
    RandomPicker randomPicker_;
    PlayModel model_;
    Int16 mImgOfsX;
    Int16 mBgmLoop;
    // The field's picture kept while the game-over flash blanks it, and the typed-out lines.
    QImage savedPicture_;
    QImage blankPicture_;
    std::array<QString, 2> overText_;
    // The last missed shot: the miss follow-up draws its answer again when it clears the field.
    std::optional<JudgedShot> answer_;

    // --- set-up (stage_setup.cpp) ---------------------------------------------------------
    void InitPlayScreen();
    void SetupStage();
    void NextRound();

    // --- placement's drawings (placement.cpp) ---------------------------------------------
    void DrawCountArrow();
    void DrawScaleMarks();

    // --- entry and controls (entry.cpp) ---------------------------------------------------
    void cmdShoot_Click();
    void cmdChange_Click();
    void cmdEnd_Click();
    void cmdHelp_Click();
    void ShowStatus();
    void ShowInputAngle();
    void RedrawField();
    void HidePlayArea();
    void ShowPlayArea();

    // --- shot (shot.cpp) ------------------------------------------------------------------
    void tmrOugi_Timer();
    void tmrS_Timer();
    // The shot's end: the burst invader, its points and the score, or the miss burst.
    void ShowHit(int slot, const ShotTick& tick);
    void ShowMiss(const ShotTick& tick);
    void ShowHitMessage(int firedAngle);
    void DrawMissBurst(float x, float y);

    // --- answer (answer.cpp) --------------------------------------------------------------
    void ShowAnswer(const JudgedShot& shot);
    // Draws the answer kept in answer_, if any, on the field as it is now.
    void DrawAnswer();

    // --- approach (approach.cpp) ----------------------------------------------------------
    void tmrInv_Timer(int index);
    void BeginGameOver();

    // --- flow (flow.cpp) ------------------------------------------------------------------
    void tmrAfterHit_Timer();
    void tmrAfterMiss_Timer();
    void tmrWatch_Timer();
    void BeginStageClear();
    void tmrMsgSClear_Timer();
    void BeginAllClear();
    void tmrGameOver1_Timer();
    void tmrGameOver2_Timer();

    // --- sound (effects.cpp) --------------------------------------------------------------
    void SoundShoot();
    void SoundPyu();
    void SoundDen();
    void SoundBu(int frame);
    void SoundPo();
    void SoundPu();
    void SoundClick();
    void SoundGun();
    void SoundStageClear();
    void PlayBgm();
    void StopBgm();
    void optOnOff_Click(int index);
    void mmcMidi_Done();

    void buildControls();
    void buildKeypad();
    void nameForScreenReaders();
    void buildTimers();
    void buildSoundDevices();
    // The effect devices, each with its control's name and the effect it plays.
    struct EffectDevice {
        std::unique_ptr<SoundDevice>& device;
        const char* name;
        SoundEffect effect;
    };
    std::array<EffectDevice, 10> effectDevices();
    // Puts a label's top-left corner at (x, y) in field units, x counted towards the screen's
    // right whatever the stage's mirroring: dx > 0 is to the right on screen.
    void placeOnScreenSide(QWidget* label, double x, double dx, double y);
    void setFieldTop(int top);
    // Stops all play and clears the field for the all-clear or game-over sequence.
    void EndPlay();
    // An end sequence takes the controls away at once instead of at the guard's next tick.
    void lockControlsForEndSequence();
};
