#include "app/screen_registry.h"

#include "app/live_settings.h"
#include "app/screen_flow.h"
#include "app/shot_recorder.h"
#include "highscore/frm_high_score.h"
#include "kit/navigator.h"
#include "persist/settings_sources.h"
#include "play/frm_tezra.h"
#include "results/results_screen.h"
#include "screens/frm_all_clear.h"
#include "screens/frm_first_msg.h"
#include "screens/frm_game_over.h"
#include "screens/frm_help.h"
#include "screens/frm_settings.h"
#include "screens/frm_stage_msg.h"
#include "screens/frm_ver.h"
#include "state/game_state.h"
#include "state/run_memory.h"
#include "title/frm_tezra_start.h"

namespace {
// A screen whose end, reported by `signal`, goes to the flow's `ended`.
// `prepare` runs before the screen loads.
template <typename S, typename Outcome>
void registerScreen(GameServices& s, ScreenFlow& flow, ScreenId id, void (S::*signal)(Outcome),
                    void (ScreenFlow::*ended)(Screen&, Outcome),
                    std::function<void(S&)> prepare = {}) {
    s.nav.registerScreen(id, [&s, &flow, signal, ended, prepare] {
        auto screen = std::make_unique<S>(s);
        S* raw = screen.get();
        if (prepare) {
            prepare(*raw);
        }
        QObject::connect(raw, signal, &flow,
                         [&flow, ended, raw](Outcome o) { (flow.*ended)(*raw, o); });
        return screen;
    });
}

// A screen that only closes and gives way to what waited for it; it reports by `closed`.
template <typename S, typename Base>
void registerClosing(GameServices& s, ScreenFlow& flow, ScreenId id, void (Base::*closed)()) {
    s.nav.registerScreen(id, [&s, &flow, closed] {
        auto screen = std::make_unique<S>(s);
        S* raw = screen.get();
        QObject::connect(raw, closed, &flow, [&flow, raw] { flow.closed(*raw); });
        return screen;
    });
}

}  // namespace

void RegisterScreens(GameServices& s, ScreenFlow& flow) {
    // The result screens lie over the play screen's field, when there is one.
    const auto liesOverPlayField = [&nav = s.nav](OverFieldScreen& screen) {
        screen.setPlayField([&nav]() -> const QWidget* {
            const auto* play = qobject_cast<const FrmTezra*>(nav.find(ScreenId::Play));
            return play ? &play->field() : nullptr;
        });
    };
    registerScreen(s, flow, ScreenId::Title, &FrmTezraStart::ended, &ScreenFlow::titleEnded);
    // One record for the run, kept by every play screen's judged shots. A world without a data
    // folder keeps none.
    std::function<void(FrmTezra&)> recordShots;
    if (!s.dataDir.isEmpty()) {
        auto* recorder = new ShotRecorder(s.dataDir, s.run, &flow);
        recordShots = [recorder](FrmTezra& play) {
            QObject::connect(&play.model(), &PlayModel::shotJudged, recorder,
                             &ShotRecorder::record);
        };
    }
    registerScreen<FrmTezra>(s, flow, ScreenId::Play, &FrmTezra::ended, &ScreenFlow::playEnded,
                             recordShots);
    registerScreen(s, flow, ScreenId::ReadMe, &FrmFirstMsg::ended, &ScreenFlow::readMeEnded);
    registerScreen(s, flow, ScreenId::Briefing, &FrmStageMsg::ended, &ScreenFlow::briefingEnded);
    registerClosing<FrmHelp>(s, flow, ScreenId::Help, &DialogScreen::closed);
    registerClosing<FrmVer>(s, flow, ScreenId::Version, &DialogScreen::closed);
    registerScreen<FrmGameOver>(s, flow, ScreenId::GameOver, &FrmGameOver::ended,
                                &ScreenFlow::gameOverEnded, liesOverPlayField);
    registerScreen<FrmAllClear>(s, flow, ScreenId::AllClear, &FrmAllClear::ended,
                                &ScreenFlow::allClearEnded, liesOverPlayField);
    registerClosing<FrmHighScore>(s, flow, ScreenId::NameEntry, &FrmHighScore::closed);
    s.nav.registerScreen(ScreenId::AskName, [&s, &flow] {
        auto screen = std::make_unique<FrmHighScore>(s, FrmHighScore::Purpose::PlayerName);
        FrmHighScore* raw = screen.get();
        QObject::connect(raw, &FrmHighScore::closed, &flow, [&flow, raw] { flow.closed(*raw); });
        return screen;
    });
    flow.askNamesFor(s.run);
    registerClosing<ResultsScreen>(s, flow, ScreenId::Results, &ResultsScreen::closed);
    s.nav.registerScreen(ScreenId::Settings, [&s, &flow] {
        auto screen = std::make_unique<FrmSettings>(s, s.run.settings, s.run.lockedSettings,
                                                    SettingsActingFromNextStart(s.run),
                                                    DefaultSettingsFiles().user);
        FrmSettings* raw = screen.get();
        QObject::connect(raw, &FrmSettings::saved, &flow,
                         [&s](const LessonSettings& saved) { ApplySavedSettings(s, saved); });
        QObject::connect(raw, &FrmSettings::resultsAsked, &flow,
                         [&flow, raw] { flow.resultsAsked(*raw); });
        QObject::connect(raw, &FrmSettings::closed, &flow, [&flow, raw] { flow.closed(*raw); });
        return screen;
    });
}
