#pragma once

#include "play/frm_tezra.h"

// The tests' one way into the play screen: the controls, timers and screen state they read, and
// the procedures they call directly. The play state itself is the model's, read and driven
// through its public interface.
class PlayProbe {
  public:
    explicit PlayProbe(FrmTezra& s)
        : screen(s),
          lblLevel(s.lblLevel),
          lblStage(s.lblStage),
          Frame1(s.Frame1),
          optOnOff(s.optOnOff),
          lblHiScore(s.lblHiScore),
          lblHiName(s.lblHiName),
          picMain(s.picMain),
          lblRest(s.lblRest),
          imgD(s.imgD),
          lblScore(s.lblScore),
          Line1(s.Line1),
          Line2(s.Line2),
          lbl0LR(s.lbl0LR),
          lblArw(s.lblArw),
          imgInv(s.imgInv),
          lblHitMsg(s.lblHitMsg),
          lblHitAngle(s.lblHitAngle),
          lblHitPoint(s.lblHitPoint),
          lblAnswer(s.lblAnswer),
          lblClearMsg(s.lblClearMsg),
          lblOverMsg(s.lblOverMsg),
          lblAngle(s.lblAngle),
          cmdShoot(s.cmdShoot),
          lblMsg(s.lblMsg),
          cmdChange(s.cmdChange),
          cmdEnd(s.cmdEnd),
          cmdHelp(s.cmdHelp),
          tmrInv(s.tmrInv),
          tmrOugi(s.tmrOugi),
          tmrS(s.tmrS),
          tmrAfterHit(s.tmrAfterHit),
          tmrAfterMiss(s.tmrAfterMiss),
          tmrWatch(s.tmrWatch),
          tmrMsgSClear(s.tmrMsgSClear),
          tmrGameOver1(s.tmrGameOver1),
          tmrGameOver2(s.tmrGameOver2),
          mImgOfsX(s.mImgOfsX),
          mBgmLoop(s.mBgmLoop),
          savedPicture(s.savedPicture_),
          model(s.model()),
          round(s.model_.play_),
          mLineAngle(s.model().lineAngle()),
          mLineDir(s.model().lineDir()),
          mNearSlot(s.model().nearSlot()) {}

    FrmTezra& screen;
    PlayPhase phase() const { return screen.phase(); }

    void InitPlayScreen() { screen.InitPlayScreen(); }
    void SetupStage() { screen.SetupStage(); }
    void NextRound() { screen.NextRound(); }
    void ShowStatus() { screen.ShowStatus(); }
    void ShowInputAngle() { screen.ShowInputAngle(); }
    void RedrawField() { screen.RedrawField(); }
    void DrawMissBurst(float x, float y) { screen.DrawMissBurst(x, y); }
    void BeginGameOver() { screen.BeginGameOver(); }
    void BeginAllClear() { screen.BeginAllClear(); }
    void SoundPo() { screen.SoundPo(); }
    void SoundDen() { screen.SoundDen(); }
    void SoundBu(int frame) { screen.SoundBu(frame); }
    void SoundStageClear() { screen.SoundStageClear(); }
    void PlayBgm() { screen.PlayBgm(); }
    // The round starts now, as a placement starts it.
    void beginRound() { model.beginRound(); }
    void StopBgm() { screen.StopBgm(); }

    // Controls.
    GameLabel* const& lblLevel;
    GameLabel* const& lblStage;
    QGroupBox* const& Frame1;
    const std::array<QRadioButton*, 2>& optOnOff;
    GameLabel* const& lblHiScore;
    GameLabel* const& lblHiName;
    FieldCanvas* const& picMain;
    GameLabel* const& lblRest;
    QLabel* const& imgD;
    GameLabel* const& lblScore;
    const std::array<FieldLine*, 2>& Line1;
    FieldLine* const& Line2;
    GameLabel* const& lbl0LR;
    GameLabel* const& lblArw;
    const std::array<QLabel*, 3>& imgInv;
    GameLabel* const& lblHitMsg;
    GameLabel* const& lblHitAngle;
    GameLabel* const& lblHitPoint;
    GameLabel* const& lblAnswer;
    const std::array<GameLabel*, 2>& lblClearMsg;
    const std::array<GameLabel*, 2>& lblOverMsg;
    GameLabel* const& lblAngle;
    QPushButton* const& cmdShoot;
    const std::array<GameLabel*, 1>& lblMsg;
    QPushButton* const& cmdChange;
    QPushButton* const& cmdEnd;
    QPushButton* const& cmdHelp;

    // Timers.
    const std::array<GameTimer*, 3>& tmrInv;
    GameTimer* const& tmrOugi;
    GameTimer* const& tmrS;
    GameTimer* const& tmrAfterHit;
    GameTimer* const& tmrAfterMiss;
    GameTimer* const& tmrWatch;
    GameTimer* const& tmrMsgSClear;
    GameTimer* const& tmrGameOver1;
    GameTimer* const& tmrGameOver2;

    // State read back.
    const Int16& mImgOfsX;
    const Int16& mBgmLoop;
    const QImage& savedPicture;

    // The screen's model, for short, and the play state it keeps, for cases to set up.
    PlayModel& model;
    PlayState& round;

    // The model's red line and nearest slot under the names the whole-game test answers with.
    const Int16& mLineAngle;
    const Int16& mLineDir;
    const Int16& mNearSlot;
};
