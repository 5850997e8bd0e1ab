#pragma once

#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

// One run of the whole game on virtual time, seeded, played by a script through the real screens
// and the real event path, that writes down what it does as two canonical texts:
//   core     what the game decides: every sound command with its tick, every phase change of the
//            play and every judged shot, each with its tick;
//   display  what the play field shows at each judgement: its drawings, its lines and the
//            labels and pictures shown on it and on the play screen.
// Both are plain text, the same on every machine: whole numbers only (positions in hundredths
// of a unit, rounded), no pointers, no file paths beyond their names.
class FingerprintGame {
  public:
    explicit FingerprintGame(std::uint32_t seed);
    ~FingerprintGame();

    // The title, as a fresh run of the program starts.
    void startAtTitle();
    // Whether the screen of this design name ("frmStageMsg") is shown and takes input.
    bool showing(const char* screen) const;
    // Clicks the named button of the screen that takes input, through its window.
    void click(const char* button);
    // Shift with a function key (1 to 12) on the screen that takes input.
    void shiftFunctionKey(int number);
    // Ctrl+Shift with a letter key on the screen that takes input.
    void ctrlShiftLetter(char letter);

    // The play screen is shown, free for the player's keys, with no angle typed.
    bool aiming() const;
    // The angle to type for the invader nearest the cannon.
    int answer() const;
    // Keys on the play screen: digits and letters as typed, ' ' Space, '\r' Enter.
    void type(const std::string& keys);

    void advance(int ms);
    std::int64_t now() const;
    bool ended() const;

    const std::string& core() const { return core_; }
    const std::string& display() const { return display_; }

  private:
    struct World;
    // Follows a play screen the flow loaded since the last look.
    void follow();
    void snapshotIfJudged();
    void act();

    std::unique_ptr<World> world_;
    std::string core_;
    std::string display_;
    bool judged_ = false;
    std::uint32_t seed_;
};

// FNV-1a over the text, 64 bits, as 16 hex digits.
std::string Fnv1a64(std::string_view text);

// With TEZRA_FINGERPRINT_DIR set, writes the text to <dir>/<name>.txt, so that a changed hash
// can be explained by a diff.
void WriteIfAsked(const std::string& name, const std::string& text);
