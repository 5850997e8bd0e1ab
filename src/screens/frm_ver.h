#pragma once

#include "kit/controls.h"
#include "screens/dialog_frame.h"

// The program's name, version and note line.
class FrmVer : public DialogScreen {
  public:
    static constexpr const char* kName = "frmVer";
    explicit FrmVer(GameServices& services);
    void Form_Load() override;

    GameLabel* lblAdd;
};
