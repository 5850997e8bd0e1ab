#pragma once

#include "kit/screen.h"
#include "state/game_services.h"

class FrmResults;

// The results screen 「きろく」 as one of the game's windows, reading the run's data folder.
class ResultsScreen : public Screen {
    Q_OBJECT
  public:
    static constexpr const char* kName = "frmResults";
    explicit ResultsScreen(GameServices& services);

    FrmResults& results() { return *results_; }

  signals:
    void closed();

  protected:
    void closeRequested() override;

  private:
    FrmResults* results_;
};
