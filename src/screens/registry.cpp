#include "screens/registry.h"

#include "kit/navigator.h"
#include "persist/data_files.h"
#include "play/frm_tezra.h"
#include "screens/frm_help.h"
#include "screens/frm_ver.h"
#include "screens/stand_in_screen.h"
#include "state/game_state.h"

namespace {
template <typename S>
void registerScreen(Navigator& nav) {
    nav.registerScreen(S::kName, [](Services& s) { return std::make_unique<S>(s); });
}

void registerStandIn(Navigator& nav, const QString& name, StandInScreen::Effect effect) {
    nav.registerScreen(name, [name, effect](Services& s) {
        return std::make_unique<StandInScreen>(s, name, effect);
    });
}
}  // namespace

void RegisterScreens(Navigator& nav) {
    registerScreen<FrmTezra>(nav);
    registerScreen<FrmHelp>(nav);
    registerScreen<FrmVer>(nav);

    // Until the title, briefing, result and name-entry screens exist, these keep the game
    // flowing: the briefing and the all-clear close at once, the game over continues, the
    // name entry records the score, and the title starts the chosen level again.
    registerStandIn(nav, "frmStageMsg", nullptr);
    registerStandIn(nav, "frmAllClear", nullptr);
    registerStandIn(nav, "frmGameOver", [](Services& s) {
        s.state.gRetryFlag = 1;
        s.state.gScore = 300;
    });
    registerStandIn(nav, "frmHighScore", [](Services& s) {
        s.state.gHiScore = s.state.gScore;
        s.state.gScore = 300;
        s.state.gHiName.clear();
        SaveHighScore(s.state);
    });
    registerStandIn(nav, "frmTezraStart", [](Services& s) {
        s.state.gStage = 1;
        s.nav.show(s.nav.load(FrmTezra::kName));
    });
}
