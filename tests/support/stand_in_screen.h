#pragma once

#include <functional>

#include "kit/screen.h"
#include "state/game_services.h"
#include "state/screen_id.h"

class ScreenFlow;

// Takes the place of a screen the game does not have yet: as soon as it has been shown it does
// its one effect and reports how it ended, so the game flows on.
class StandInScreen : public ScreenWith<GameServices> {
  public:
    using Act = std::function<void(StandInScreen&)>;
    StandInScreen(GameServices& services, ScreenId id, Act act);

    void Form_Activate() override;
    GameServices& services() { return sv; }

  private:
    Act act_;
};

// Registers a stand-in for a screen: when shown it runs `effect` on the shared state and ends the
// way the game most often leaves that screen.
void RegisterStandIn(GameServices& services, ScreenFlow& flow, ScreenId id,
                     std::function<void(GameServices&)> effect = {});
