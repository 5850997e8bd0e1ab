#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "support/fingerprint.h"

// One number for what the game does: two seeded, scripted whole games through the real screens
// on virtual time. A change that keeps the game as it is keeps both hashes; a change of behaviour
// on purpose updates them in the same commit and says why. The core hash covers what the game
// decides (sounds with their ticks, phases, judged shots), the display hash what the play field
// shows at each judgement. With TEZRA_FINGERPRINT_DIR set to a folder the texts are written there,
// so that a difference can be read with diff.
namespace {

constexpr std::int64_t kTimeLimitMs = 2 * 3'600'000;

// A pupil who mostly knows the answer: shot n is a plain hit, a miss by ten either way, or a hit
// typed a little off (4 over rounds down, 5 under rounds up), fired with Space, Enter or the
// fire button in turn, after looking for up to 0.6 s.
class Pupil {
  public:
    explicit Pupil(FingerprintGame& game) : game_(game) {}

    // Plays one shot when the play screen is free; returns whether it did.
    bool shoot(bool hit = true) {
        if (!game_.aiming()) {
            readyAt_.reset();
            return false;
        }
        if (!readyAt_) {
            readyAt_ = game_.now() + 150 * (shots_ % 5);
        }
        if (game_.now() < *readyAt_) {
            return false;
        }
        readyAt_.reset();
        const int n = shots_++;
        const int right = game_.answer();
        int typed = right;
        if (!hit || n % 7 == 3) {
            typed = right <= 170 ? right + 10 : right - 10;
        } else if (n % 7 == 5 && right <= 176) {
            typed = right + 4;
        } else if (n % 11 == 6 && right >= 15) {
            typed = right - 5;
        }
        if (n == 2) {
            game_.type("190x");  // over 180 falls back to 0, and a letter clears the entry
        }
        game_.type(std::to_string(typed));
        switch (n % 3) {
            case 0:
                game_.type(" ");
                break;
            case 1:
                game_.type("\r");
                break;
            default:
                game_.click("cmdShoot");
                break;
        }
        return true;
    }
    int shots() const { return shots_; }

  private:
    FingerprintGame& game_;
    int shots_ = 0;
    std::optional<std::int64_t> readyAt_;
};

// Plays on in steps of 10 ms until `done` holds, starting each stage from its briefing.
void PlayUntil(FingerprintGame& game, const std::function<void()>& turn,
               const std::function<bool()>& done) {
    while (!done()) {
        ASSERT_LT(game.now(), kTimeLimitMs) << "the game never got there";
        if (game.showing("frmStageMsg")) {
            game.click("cmdStart");
        } else {
            turn();
        }
        game.advance(10);
    }
}

void ExpectFingerprint(const FingerprintGame& game, const std::string& name,
                       const std::string& core, const std::string& display) {
    WriteIfAsked(name + "_core", game.core());
    WriteIfAsked(name + "_display", game.display());
    EXPECT_EQ(Fnv1a64(game.core()), core);
    EXPECT_EQ(Fnv1a64(game.display()), display);
}

// From the title at the easy level through all nine stages to the all-clear and the name entry,
// with hits and misses on every stage and the hint key at level 2.
TEST(Fingerprint, EveryStageToTheAllClear) {
    FingerprintGame game(7);
    game.startAtTitle();
    game.advance(3000);  // the demonstration's first shot
    game.click("cmdLo");
    game.click("cmdOk");
    Pupil pupil(game);
    bool hinted = false;
    PlayUntil(
        game,
        [&] {
            if (!hinted && pupil.shots() == 32 && game.aiming()) {
                game.ctrlShiftLetter('b');
                hinted = true;
            }
            pupil.shoot();
        },
        [&] { return game.showing("frmAllClear"); });
    game.advance(8000);
    game.click("cmdOk");
    for (const char* key : {"cmdKey(2)", "cmdKey(16)", "cmdKey(9)"}) {
        game.click(key);
    }
    game.click("cmdOk");
    ASSERT_TRUE(game.showing("frmTezraStart"));
    ExpectFingerprint(game, "all_clear", "c23f80200acebe3b", "5dddca4a3274e5f9");
}

// A shortcut to level 2, stage 3; misses until the score is gone, a continue, the stage cleared;
// at level 3 three hits and then an invader reaching the Earth, and back to the title through
// the name entry.
TEST(Fingerprint, GameOverContinueStageClearAndTheEarthReached) {
    FingerprintGame game(21);
    game.startAtTitle();
    game.shiftFunctionKey(6);
    game.click("cmdOk");
    Pupil pupil(game);
    PlayUntil(
        game, [&] { pupil.shoot(false); }, [&] { return game.showing("frmGameOver"); });
    game.advance(2000);
    game.click("cmdContinue");
    int level3Hits = 0;
    PlayUntil(
        game, [&] { pupil.shoot(); }, [&] { return game.showing("frmStageMsg"); });
    game.click("cmdStart");
    PlayUntil(
        game, [&] { level3Hits += level3Hits < 3 && pupil.shoot(); },
        [&] { return game.showing("frmGameOver"); });
    game.advance(2000);
    game.click("cmdCancel");
    ASSERT_TRUE(game.showing("frmHighScore"));
    for (const char* key : {"cmdKey2(0)", "cmdKey2(1)"}) {
        game.click(key);
    }
    game.click("cmdOk");
    ASSERT_TRUE(game.showing("frmTezraStart"));
    ExpectFingerprint(game, "game_over", "e960abba6dc18d91", "f21d26cdd24e4b8b");
}

}  // namespace
