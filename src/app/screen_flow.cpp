#include "app/screen_flow.h"

#include "kit/navigator.h"
#include "kit/screen.h"
#include "state/game_state.h"
#include "state/run_memory.h"

ScreenFlow::ScreenFlow(Navigator& nav, GameState& state) : nav_(nav), state_(state) {}

void ScreenFlow::start() {
    nav_.show(nav_.load(ScreenId::Title));
}

void ScreenFlow::startAtPlay() {
    // The title's load does the start-up work, and ends a second copy of the program.
    Screen* title = nav_.load(ScreenId::Title);
    if (nav_.ended()) {
        return;
    }
    Screen* play = nav_.load(ScreenId::Play);
    nav_.unload(title);
    nav_.show(play);
}

void ScreenFlow::titleEnded(Screen& title, TitleOutcome outcome) {
    switch (outcome) {
        case TitleOutcome::FirstGame:
            nameFirst(title,
                      [this, &title] { nav_.handOver(&title, nav_.load(ScreenId::ReadMe)); });
            break;
        case TitleOutcome::NextGame:
            nameFirst(title,
                      [this, &title] { nav_.handOver(&title, nav_.load(ScreenId::Briefing)); });
            break;
        case TitleOutcome::ShowVersion:
            nav_.showModal(nav_.load(ScreenId::Version), &title);
            break;
        case TitleOutcome::ShowResults:
            nav_.showModal(nav_.load(ScreenId::Results), &title);
            break;
        case TitleOutcome::ShowSettings:
            nav_.showModal(nav_.load(ScreenId::Settings), &title);
            break;
        case TitleOutcome::Quit:
            if (!nameEntryFirst(title)) {
                end();
            }
            break;
    }
}

void ScreenFlow::readMeEnded(Screen& readMe, ReadMeOutcome outcome) {
    switch (outcome) {
        case ReadMeOutcome::Ok:
            nav_.handOver(&readMe, nav_.load(ScreenId::Briefing));
            break;
        case ReadMeOutcome::Quit:
            end();
            break;
    }
}

void ScreenFlow::briefingEnded(Screen& briefing, BriefingOutcome outcome) {
    switch (outcome) {
        case BriefingOutcome::Start: {
            // Between stages the play screen is already loaded and goes on with its own steps.
            Screen* play = nav_.load(ScreenId::Play);
            nav_.unload(&briefing);
            nav_.show(play);
            break;
        }
        case BriefingOutcome::Quit:
            if (!nameEntryFirst(briefing)) {
                end();
            }
            break;
    }
}

void ScreenFlow::playEnded(Screen& play, PlayOutcome outcome) {
    switch (outcome) {
        case PlayOutcome::StageCleared: {
            Screen* briefing = nav_.load(ScreenId::Briefing);
            nav_.hide(&play);
            nav_.showModal(briefing, &play, [this] {
                if (Screen* current = nav_.find(ScreenId::Play)) {
                    nav_.show(current);
                }
            });
            break;
        }
        case PlayOutcome::AllClear:
            nav_.showModal(nav_.load(ScreenId::AllClear), &play);
            break;
        case PlayOutcome::GameOver:
            nav_.showModal(nav_.load(ScreenId::GameOver), &play);
            break;
        case PlayOutcome::ShowHelp:
            nav_.showModal(nav_.load(ScreenId::Help), &play);
            break;
        case PlayOutcome::ChangeLevel:
            backToTitle(play);
            break;
        case PlayOutcome::Quit:
            if (!nameEntryFirst(play)) {
                nav_.unloadAndEnd(&play);
            }
            break;
    }
}

void ScreenFlow::gameOverEnded(Screen& gameOver, GameOverOutcome outcome) {
    switch (outcome) {
        case GameOverOutcome::Continue:
        case GameOverOutcome::ChangeLevel:
            if (!nameEntryFirst(gameOver)) {
                // The next game starts afresh; the name entry does this itself when it comes.
                state_.gScore = 300;
                nav_.unload(&gameOver);
            }
            break;
        case GameOverOutcome::Quit:
            if (!nameEntryFirst(gameOver, [this] { end(); })) {
                nav_.unloadAndEnd(&gameOver);
            }
            break;
        case GameOverOutcome::Closed:
            // Closing the window is no choice; a score that beats the high score is still
            // recorded before the play screen goes back to the title.
            if (!nameEntryFirst(gameOver)) {
                nav_.unload(&gameOver);
            }
            break;
    }
}

void ScreenFlow::allClearEnded(Screen& allClear, AllClearOutcome outcome) {
    switch (outcome) {
        case AllClearOutcome::Ok:
            if (!nameEntryFirst(allClear, [this] {
                    if (Screen* play = nav_.find(ScreenId::Play)) {
                        backToTitle(*play);
                    }
                })) {
                Screen* title = nav_.load(ScreenId::Title);
                nav_.unload(&allClear);
                if (Screen* play = nav_.find(ScreenId::Play)) {
                    nav_.unload(play);
                }
                // The play screen's own step after the ending has usually put the title up
                // already; showing it again would start it a second time.
                if (!nav_.isShown(ScreenId::Title)) {
                    nav_.show(title);
                }
            }
            break;
        case AllClearOutcome::Quit:
            if (!nameEntryFirst(allClear, [this] { end(); })) {
                nav_.unloadAndEnd(&allClear);
            }
            break;
        case AllClearOutcome::Closed:
            if (!nameEntryFirst(allClear)) {
                nav_.unload(&allClear);
            }
            break;
    }
}

void ScreenFlow::resultsAsked(Screen& over) {
    nav_.showModal(nav_.load(ScreenId::Results), &over);
}

void ScreenFlow::closed(Screen& screen) {
    nav_.unload(&screen);
}

bool ScreenFlow::nameEntryFirst(Screen& leaving, std::function<void()> after) {
    if (state_.gScore <= state_.gHiScore) {
        return false;
    }
    nav_.handOver(&leaving, nav_.load(ScreenId::NameEntry), std::move(after));
    return true;
}

void ScreenFlow::nameFirst(Screen& title, std::function<void()> start) {
    if (!run_ || !run_->settings.askName || nameAsked_) {
        start();
        return;
    }
    nameAsked_ = true;
    // Over the title, which stays loaded: the run never runs out of screens in between.
    nav_.showModal(nav_.load(ScreenId::AskName), &title, std::move(start));
}

void ScreenFlow::backToTitle(Screen& leaving) {
    Screen* title = nav_.load(ScreenId::Title);
    nav_.unload(&leaving);
    nav_.show(title);
}

void ScreenFlow::end() {
    nav_.endProgram();
}
