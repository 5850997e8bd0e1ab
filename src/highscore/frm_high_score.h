#pragma once

#include <QString>
#include <array>
#include <memory>
#include <vector>

#include "highscore/name_keys.h"
#include "kit/screen.h"
#include "state/game_services.h"
#include "state/screen_id.h"

class GameLabel;
class QPushButton;
class SoundDevice;

// The name entry: congratulates the player, takes the score over as the new high score and
// takes the holder's name of up to 10 characters from the on-screen keyboard or the physical
// one, the input method included. "OK（おわり）" stores score and name and closes it.
// Asking a child's name for the record, the same keyboard takes the name for the rest of the run,
// and the score is left alone.
class FrmHighScore : public ScreenWith<GameServices> {
    Q_OBJECT
  public:
    static constexpr const char* kName = "frmHighScore";
    // The keyboard panel's width + 2 and its bottom + 1.
    static constexpr int kWidth = 411;
    static constexpr int kHeight = 442;

    enum class Purpose { HighScore, PlayerName };
    explicit FrmHighScore(GameServices& services, Purpose purpose = Purpose::HighScore);
    ~FrmHighScore() override;

    void Form_Load() override;
    void Form_KeyDown(int keyCode, int shift) override;
    void Form_KeyPress(char32_t keyAscii) override;

  signals:
    void closed();

  protected:
    // Closing by the window keeps score and name together on disk, as "OK（おわり）" does.
    void closeRequested() override;

  private:
    void BuildHeading();
    void BuildKeyboard();

    void cmdKey_Click(int array, int index);
    void cmdKana_Click();
    void cmdBS_Click();
    void cmdDel_Click();
    void cmdOk_Click();

    void RefreshKeyCaptions();
    void AddCharacter(char32_t c);
    void ShowName();

    QWidget* picKey = nullptr;
    GameLabel* lblPoint = nullptr;
    GameLabel* lblName = nullptr;
    // cmdKey, cmdKey1 and cmdKey2.
    std::array<std::vector<QPushButton*>, kKeyArrays> keys_;

    // Per key array, the characters of set 0 and set 1.
    std::array<std::array<QString, 2>, kKeyArrays> mKeyChars;
    Purpose purpose_;
    QString mName;
    int mKanaSet = 0;

    std::unique_ptr<SoundDevice> mmcOpening;  // the fanfare as the entry opens
    std::unique_ptr<SoundDevice> mmcSound;    // the kana switch and the back-space
};
