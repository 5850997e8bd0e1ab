#include <gtest/gtest.h>

#include "app/screen_flow.h"
#include "kit/navigator.h"
#include "kit/screen.h"
#include "state/game_state.h"
#include "support/kit_world.h"
#include "support/qt_printers.h"

namespace {
QString nameOf(ScreenKey key) {
    const ScreenId id = key.as<ScreenId>();
    static const char* const kNames[] = {"title",    "readme",    "briefing", "play",   "gameover",
                                         "allclear", "nameentry", "help",     "version"};
    return kNames[static_cast<int>(id)];
}

// Stands for any screen: logs what the navigator and the flow do to it.
class Stub : public Screen {
  public:
    Stub(Services& s, ScreenId id, std::vector<QString>& log)
        : Screen(s, id, nameOf(id)), log_(log) {}
    void Form_Load() override { log_.push_back("load " + nameOf(id())); }
    void Form_Unload() override { log_.push_back("unload " + nameOf(id())); }
    void AfterModal(ScreenKey closed) override {
        log_.push_back(nameOf(id()) + " after " + nameOf(closed));
    }

  private:
    std::vector<QString>& log_;
};

// The flow on its own, with stub screens: what each outcome leads to, step by step.
class ScreenFlowTest : public ::testing::Test, protected KitWorld {
  protected:
    ScreenFlowTest() {
        for (int i = 0; i <= static_cast<int>(ScreenId::Version); ++i) {
            const auto id = static_cast<ScreenId>(i);
            nav.registerScreen(
                id, [this, id, &s = services]() { return std::make_unique<Stub>(s, id, log); });
        }
        state.gScore = 300;
        state.gHiScore = 300;
    }
    Screen& open(ScreenId id) {
        Screen* screen = nav.load(id);
        nav.show(screen);
        log.clear();
        return *screen;
    }
    // The play screen with a modal screen opened over it, as the play screen's flow does.
    Screen& overPlay(ScreenId id, PlayOutcome outcome) {
        Screen& play = open(ScreenId::Play);
        flow.playEnded(play, outcome);
        log.clear();
        return *nav.find(id);
    }
    bool shown(ScreenId id) { return nav.isShown(id); }
    bool modal(ScreenId id) {
        return shown(id) && nav.find(id)->windowModality() == Qt::ApplicationModal;
    }
    using Log = std::vector<QString>;

    ScreenFlow flow{nav, state};
    Log log;
};
}  // namespace

TEST_F(ScreenFlowTest, TheTitleStartsAGameThroughTheReadMeOnceThenTheBriefing) {
    flow.start();
    EXPECT_TRUE(shown(ScreenId::Title));
    log.clear();
    flow.titleEnded(*nav.find(ScreenId::Title), TitleOutcome::FirstGame);
    EXPECT_EQ(log, (Log{"load readme", "unload title"}));
    EXPECT_TRUE(modal(ScreenId::ReadMe));
    log.clear();
    flow.readMeEnded(*nav.find(ScreenId::ReadMe), ReadMeOutcome::Ok);
    EXPECT_EQ(log, (Log{"load briefing", "unload readme"}));
    EXPECT_TRUE(modal(ScreenId::Briefing));
    log.clear();
    flow.briefingEnded(*nav.find(ScreenId::Briefing), BriefingOutcome::Start);
    EXPECT_EQ(log, (Log{"load play", "unload briefing"}));
    EXPECT_TRUE(shown(ScreenId::Play));

    flow.playEnded(*nav.find(ScreenId::Play), PlayOutcome::ChangeLevel);
    EXPECT_TRUE(shown(ScreenId::Title));
    EXPECT_FALSE(nav.find(ScreenId::Play));
    log.clear();
    flow.titleEnded(*nav.find(ScreenId::Title), TitleOutcome::NextGame);
    EXPECT_EQ(log, (Log{"load briefing", "unload title"}));
    EXPECT_FALSE(nav.ended());
}

TEST_F(ScreenFlowTest, TheDevelopmentStartGoesThroughTheTitlesLoad) {
    flow.startAtPlay();
    EXPECT_EQ(log, (Log{"load title", "load play", "unload title"}));
    EXPECT_TRUE(shown(ScreenId::Play));
}

TEST_F(ScreenFlowTest, TheVersionDialogOpensOverTheTitle) {
    Screen& title = open(ScreenId::Title);
    flow.titleEnded(title, TitleOutcome::ShowVersion);
    EXPECT_TRUE(modal(ScreenId::Version));
    EXPECT_TRUE(shown(ScreenId::Title));
    flow.closed(*nav.find(ScreenId::Version));
    EXPECT_EQ(log, (Log{"load version", "unload version", "title after version"}));
}

TEST_F(ScreenFlowTest, LeavingEndsTheProgramUnlessTheScoreBeatsTheHighScore) {
    using Quit = std::function<void(ScreenFlow&, Screen&)>;
    const std::pair<ScreenId, Quit> leaves[] = {
        {ScreenId::Title, [](ScreenFlow& f, Screen& s) { f.titleEnded(s, TitleOutcome::Quit); }},
        {ScreenId::ReadMe, [](ScreenFlow& f, Screen& s) { f.readMeEnded(s, ReadMeOutcome::Quit); }},
        {ScreenId::Briefing,
         [](ScreenFlow& f, Screen& s) { f.briefingEnded(s, BriefingOutcome::Quit); }},
        {ScreenId::Play, [](ScreenFlow& f, Screen& s) { f.playEnded(s, PlayOutcome::Quit); }},
    };
    for (const auto& [id, quit] : leaves) {
        for (const int score : {300, 301}) {
            SCOPED_TRACE(nameOf(id) + QString(" with %1").arg(score));
            Navigator separate;  // each case ends a run of its own
            Services separateServices{clock, separate};
            for (ScreenId each : {id, ScreenId::NameEntry}) {
                separate.registerScreen(each, [this, each, &s = separateServices]() {
                    return std::make_unique<Stub>(s, each, log);
                });
            }
            ScreenFlow runFlow(separate, state);
            state.gScore = score;
            quit(runFlow, *separate.load(id));
            // The read-me's "おわり" ends at once: no score has been made yet.
            const bool entry = score > 300 && id != ScreenId::ReadMe;
            EXPECT_EQ(separate.ended(), !entry);
            EXPECT_EQ(separate.isShown(ScreenId::NameEntry), entry);
            if (entry) {
                runFlow.closed(*separate.find(ScreenId::NameEntry));
                EXPECT_TRUE(separate.ended());  // nothing else is left
            }
        }
    }
}

TEST_F(ScreenFlowTest, AClearedStageShowsTheBriefingOverTheHiddenPlayScreen) {
    Screen& briefing = overPlay(ScreenId::Briefing, PlayOutcome::StageCleared);
    EXPECT_TRUE(modal(ScreenId::Briefing));
    EXPECT_FALSE(shown(ScreenId::Play));
    flow.briefingEnded(briefing, BriefingOutcome::Start);
    EXPECT_EQ(log, (Log{"unload briefing", "play after briefing"}));
    EXPECT_TRUE(shown(ScreenId::Play));

    // "おわり" there with a new high score: the name entry first, then the next stage.
    state.gScore = 500;
    Screen& again = overPlay(ScreenId::Briefing, PlayOutcome::StageCleared);
    flow.briefingEnded(again, BriefingOutcome::Quit);
    EXPECT_EQ(log, (Log{"load nameentry", "unload briefing"}));
    flow.closed(*nav.find(ScreenId::NameEntry));
    EXPECT_EQ(log.back(), "play after briefing");
    EXPECT_TRUE(shown(ScreenId::Play));
}

TEST_F(ScreenFlowTest, GameOverChoicesGoBackToThePlayScreenThroughTheNameEntryWhenEarned) {
    for (const auto outcome : {GameOverOutcome::Continue, GameOverOutcome::ChangeLevel}) {
        state.gScore = 200;
        flow.gameOverEnded(overPlay(ScreenId::GameOver, PlayOutcome::GameOver), outcome);
        EXPECT_EQ(log, (Log{"unload gameover", "play after gameover"}));
        EXPECT_EQ(state.gScore, 300);

        state.gScore = 301;  // play -> game over -> name entry -> back to play
        flow.gameOverEnded(overPlay(ScreenId::GameOver, PlayOutcome::GameOver), outcome);
        EXPECT_EQ(log, (Log{"load nameentry", "unload gameover"}));
        EXPECT_TRUE(modal(ScreenId::NameEntry));
        EXPECT_EQ(state.gScore, 301);  // the name entry takes it over
        flow.closed(*nav.find(ScreenId::NameEntry));
        EXPECT_EQ(log.back(), "play after gameover");
    }
}

TEST_F(ScreenFlowTest, AResultScreenClosedByItsWindowStillRecordsANewHighScore) {
    using Close = std::function<void(ScreenFlow&, Screen&)>;
    const std::tuple<ScreenId, PlayOutcome, Close> closes[] = {
        {ScreenId::GameOver, PlayOutcome::GameOver,
         [](ScreenFlow& f, Screen& s) { f.gameOverEnded(s, GameOverOutcome::Closed); }},
        {ScreenId::AllClear, PlayOutcome::AllClear,
         [](ScreenFlow& f, Screen& s) { f.allClearEnded(s, AllClearOutcome::Closed); }},
    };
    for (const auto& [id, outcome, close] : closes) {
        const QString name = nameOf(id);
        state.gScore = 300;
        close(flow, overPlay(id, outcome));
        EXPECT_EQ(log, (Log{"unload " + name, "play after " + name}));
        EXPECT_EQ(state.gScore, 300);

        state.gScore = 301;
        close(flow, overPlay(id, outcome));
        EXPECT_EQ(log, (Log{"load nameentry", "unload " + name}));
        flow.closed(*nav.find(ScreenId::NameEntry));
        EXPECT_EQ(log.back(), "play after " + name);
    }
}

TEST_F(ScreenFlowTest, EndingFromAResultScreenNeverGoesBackToPlay) {
    flow.gameOverEnded(overPlay(ScreenId::GameOver, PlayOutcome::GameOver), GameOverOutcome::Quit);
    EXPECT_EQ(log, (Log{"unload gameover"}));
    EXPECT_TRUE(nav.ended());
}

TEST_F(ScreenFlowTest, EndingFromAResultScreenAfterTheNameEntry) {
    state.gScore = 400;
    flow.allClearEnded(overPlay(ScreenId::AllClear, PlayOutcome::AllClear), AllClearOutcome::Quit);
    flow.closed(*nav.find(ScreenId::NameEntry));
    EXPECT_EQ(log, (Log{"load nameentry", "unload allclear", "unload nameentry"}));
    EXPECT_TRUE(nav.ended());
}

TEST_F(ScreenFlowTest, TheAllClearReturnsToOneTitleScreen) {
    Screen& allClear = overPlay(ScreenId::AllClear, PlayOutcome::AllClear);
    flow.allClearEnded(allClear, AllClearOutcome::Ok);
    EXPECT_EQ(log, (Log{"load title", "unload allclear", "play after allclear", "unload play"}));
    EXPECT_TRUE(shown(ScreenId::Title));

    // With a new high score the name entry comes first (the title from before stays loaded).
    state.gScore = 900;
    Screen& again = overPlay(ScreenId::AllClear, PlayOutcome::AllClear);
    flow.allClearEnded(again, AllClearOutcome::Ok);
    flow.closed(*nav.find(ScreenId::NameEntry));
    EXPECT_EQ(log, (Log{"load nameentry", "unload allclear", "unload nameentry", "unload play"}));
    EXPECT_TRUE(shown(ScreenId::Title));
    EXPECT_FALSE(nav.ended());
}
