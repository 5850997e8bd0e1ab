#pragma once

#include <functional>

#include "kit/screen.h"

class ScreenFlow;

// Takes the place of a screen the game does not have yet: as soon as it has been shown it does
// its one effect and reports how it ended, so the game flows on.
class StandInScreen : public Screen {
  public:
    using Act = std::function<void(StandInScreen&)>;
    StandInScreen(Services& services, ScreenId id, Act act);

    void Form_Activate() override;
    Services& services() { return sv; }

  private:
    Act act_;
};

// Registers a stand-in for a screen: when shown it runs `effect` on the shared state and ends the
// way the game most often leaves that screen.
void RegisterStandIn(Navigator& nav, ScreenFlow& flow, ScreenId id,
                     std::function<void(Services&)> effect = {});
