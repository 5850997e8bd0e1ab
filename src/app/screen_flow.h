#pragma once

#include <QObject>
#include <functional>

#include "state/screen_id.h"

class Navigator;
class Screen;
struct GameState;
struct RunMemory;

// Where the game goes when a screen ends: the one place that chooses the next screen. Screens
// report typed outcomes; the flow loads, shows, hands over and unloads in the game's order.
class ScreenFlow : public QObject {
    Q_OBJECT
  public:
    ScreenFlow(Navigator& nav, GameState& state);

    // With the run's ask-name setting, the first game of the run starts by asking the name.
    void askNamesFor(const RunMemory& run) { run_ = &run; }

    // The first screen of a run: the title.
    void start();
    // Development start: the play screen on the level and stage already set, after the title's
    // start-up work.
    void startAtPlay();

    void titleEnded(Screen& title, TitleOutcome outcome);
    void readMeEnded(Screen& readMe, ReadMeOutcome outcome);
    void briefingEnded(Screen& briefing, BriefingOutcome outcome);
    void playEnded(Screen& play, PlayOutcome outcome);
    void gameOverEnded(Screen& gameOver, GameOverOutcome outcome);
    void allClearEnded(Screen& allClear, AllClearOutcome outcome);
    // The teacher's settings ask for the results screen over them.
    void resultsAsked(Screen& over);
    // The name entry and the help and version dialogs close and give way to what waited.
    void closed(Screen& screen);

  private:
    // When the score beats the high score, the name entry takes the leaving screen's place
    // (then `after` runs) and this returns true; otherwise nothing happens.
    bool nameEntryFirst(Screen& leaving, std::function<void()> after = {});
    // The name asked over the title before the run's first game, then `start`; or only `start`.
    void nameFirst(Screen& title, std::function<void()> start);
    // Loads the title, closes `leaving` and shows the title.
    void backToTitle(Screen& leaving);
    void end();

    Navigator& nav_;
    GameState& state_;
    const RunMemory* run_ = nullptr;
    bool nameAsked_ = false;
};
