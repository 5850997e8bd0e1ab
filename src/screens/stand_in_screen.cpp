#include "screens/stand_in_screen.h"

#include "kit/navigator.h"

StandInScreen::StandInScreen(Services& services, const QString& name, Effect effect)
    : Screen(services, name), effect_(std::move(effect)) {}

void StandInScreen::showEvent(QShowEvent* event) {
    Screen::showEvent(event);
    if (effect_) {
        effect_(sv);
    }
    sv.nav.unload(this);
}
