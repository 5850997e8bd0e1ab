#pragma once

#include <QColor>
#include <QPushButton>
#include <memory>

#include "art/colours.h"
#include "kit/screen.h"
#include "sound/sound_device.h"
#include "state/game_services.h"
#include "state/screen_id.h"

// The navy windows that come before play, the read-me and the stage briefing: their caption,
// their two buttons and the click their go-on button gives.
class MessageScreen : public ScreenWith<GameServices> {
    Q_OBJECT
  public:
    static constexpr int kClientWidth = 461;
    static constexpr int kClientHeight = 346;

    MessageScreen(GameServices& services, ScreenId id, const QString& name);

    void Form_Load() override;

    QPushButton* cmdEnd;
    std::unique_ptr<SoundDevice> mmcPopi;  // the click of a button

  protected:
    // The big button that goes on: first in the tab order, with the focus and a small picture.
    QPushButton* makeGoButton(const QString& name, const QString& caption);
    // The click of a button, before it acts.
    void SoundPopi();
};
