#pragma once

#include "kit/controls.h"
#include "kit/screen.h"

// The program's name, version and note line.
class FrmVer : public Screen {
  public:
    static constexpr const char* kName = "frmVer";
    explicit FrmVer(Services& services);
    void Form_Load() override;
    void comOk_Click();

    GameLabel* lblAdd;
};
