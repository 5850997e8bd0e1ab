#pragma once

#include <functional>

#include "kit/screen.h"

// Takes the place of a screen the game does not have yet: as soon as it is shown it does its
// one effect on the shared state and closes, so the caller's steps go on.
class StandInScreen : public Screen {
  public:
    using Effect = std::function<void(Services&)>;
    StandInScreen(Services& services, const QString& name, Effect effect);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    Effect effect_;
};
