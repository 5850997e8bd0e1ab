#pragma once

#include <functional>

#include "kit/screen.h"

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
