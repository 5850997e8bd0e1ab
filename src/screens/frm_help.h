#pragma once

#include "screens/dialog_frame.h"

// The keys and buttons of play, opened by the play screen's help button or F1.
class FrmHelp : public DialogScreen {
  public:
    static constexpr const char* kName = "frmHelp";
    explicit FrmHelp(GameServices& services);
    void Form_Load() override;
};
