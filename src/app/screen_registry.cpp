#include "app/screen_registry.h"

#include "app/screen_flow.h"
#include "highscore/frm_high_score.h"
#include "kit/navigator.h"
#include "play/frm_tezra.h"
#include "screens/frm_all_clear.h"
#include "screens/frm_first_msg.h"
#include "screens/frm_game_over.h"
#include "screens/frm_help.h"
#include "screens/frm_stage_msg.h"
#include "screens/frm_ver.h"
#include "state/game_state.h"
#include "title/frm_tezra_start.h"

namespace {
// A screen whose end, reported by `signal`, goes to the flow's `ended`.
template <typename S, typename Outcome>
void registerScreen(Navigator& nav, ScreenFlow& flow, ScreenId id, void (S::*signal)(Outcome),
                    void (ScreenFlow::*ended)(Screen&, Outcome)) {
    nav.registerScreen(id, [&flow, signal, ended](Services& s) {
        auto screen = std::make_unique<S>(s);
        S* raw = screen.get();
        QObject::connect(raw, signal, &flow,
                         [&flow, ended, raw](Outcome o) { (flow.*ended)(*raw, o); });
        return screen;
    });
}

// A screen that only closes and gives way to what waited for it; it reports by `closed`.
template <typename S, typename Base>
void registerClosing(Navigator& nav, ScreenFlow& flow, ScreenId id, void (Base::*closed)()) {
    nav.registerScreen(id, [&flow, closed](Services& s) {
        auto screen = std::make_unique<S>(s);
        S* raw = screen.get();
        QObject::connect(raw, closed, &flow, [&flow, raw] { flow.closed(*raw); });
        return screen;
    });
}

}  // namespace

void RegisterScreens(Navigator& nav, ScreenFlow& flow) {
    registerScreen(nav, flow, ScreenId::Title, &FrmTezraStart::ended, &ScreenFlow::titleEnded);
    registerScreen(nav, flow, ScreenId::Play, &FrmTezra::ended, &ScreenFlow::playEnded);
    registerScreen(nav, flow, ScreenId::ReadMe, &FrmFirstMsg::ended, &ScreenFlow::readMeEnded);
    registerScreen(nav, flow, ScreenId::Briefing, &FrmStageMsg::ended, &ScreenFlow::briefingEnded);
    registerClosing<FrmHelp>(nav, flow, ScreenId::Help, &DialogScreen::closed);
    registerClosing<FrmVer>(nav, flow, ScreenId::Version, &DialogScreen::closed);
    registerScreen(nav, flow, ScreenId::GameOver, &FrmGameOver::ended, &ScreenFlow::gameOverEnded);
    registerScreen(nav, flow, ScreenId::AllClear, &FrmAllClear::ended, &ScreenFlow::allClearEnded);
    registerClosing<FrmHighScore>(nav, flow, ScreenId::NameEntry, &FrmHighScore::closed);
}
