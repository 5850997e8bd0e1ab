#include "screens/stand_in_screen.h"

StandInScreen::StandInScreen(Services& services, ScreenId id, Act act)
    : Screen(services, id, QStringLiteral("standIn")), act_(std::move(act)) {}

void StandInScreen::Form_Activate() {
    if (act_) {
        act_(*this);
    }
}
