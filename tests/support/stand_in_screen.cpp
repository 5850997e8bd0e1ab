#include "support/stand_in_screen.h"

#include "app/screen_flow.h"
#include "kit/navigator.h"

StandInScreen::StandInScreen(GameServices& services, ScreenId id, Act act)
    : ScreenWith(services, id, QStringLiteral("standIn")), act_(std::move(act)) {}

void StandInScreen::Form_Activate() {
    if (act_) {
        act_(*this);
    }
}

namespace {
// How a stand-in leaves its screen.
StandInScreen::Act leaveAsUsual(ScreenFlow& flow, ScreenId id) {
    switch (id) {
        case ScreenId::ReadMe:
            return [&flow](StandInScreen& s) { flow.readMeEnded(s, ReadMeOutcome::Ok); };
        case ScreenId::Briefing:
            return [&flow](StandInScreen& s) { flow.briefingEnded(s, BriefingOutcome::Start); };
        case ScreenId::GameOver:
            return [&flow](StandInScreen& s) { flow.gameOverEnded(s, GameOverOutcome::Continue); };
        case ScreenId::AllClear:
            return [&flow](StandInScreen& s) { flow.allClearEnded(s, AllClearOutcome::Ok); };
        default:
            return [&flow](StandInScreen& s) { flow.closed(s); };
    }
}
}  // namespace

void RegisterStandIn(GameServices& s, ScreenFlow& flow, ScreenId id,
                     std::function<void(GameServices&)> effect) {
    s.nav.registerScreen(id, [&s, &flow, id, effect] {
        const StandInScreen::Act leave = leaveAsUsual(flow, id);
        return std::make_unique<StandInScreen>(s, id, [effect, leave](StandInScreen& self) {
            if (effect) {
                effect(self.services());
            }
            leave(self);
        });
    });
}
