#pragma once

#include <QImage>
#include <functional>
#include <memory>

#include "kit/screen.h"
#include "sound/sound_device.h"
#include "state/game_services.h"
#include "state/screen_id.h"

// A result screen without caption that lies exactly over the play screen's field, on a gradient
// painted once at load, with a click sound for its buttons. Alt+F4 and the window's own close
// both just close it.
class OverFieldScreen : public ScreenWith<GameServices> {
    Q_OBJECT
  public:
    OverFieldScreen(GameServices& services, ScreenId id, const QString& name);
    ~OverFieldScreen() override;

    void Form_KeyDown(int keyCode, int shift) override;

    const QImage& background() const { return background_; }
    // Where the play field is now, if it is up: the screen lies over it.
    void setPlayField(std::function<const QWidget*()> field) { playField_ = std::move(field); }

  protected:
    // Lays the window over the play field (centred when there is no play screen) and paints
    // the background: red rising from 0 at the top to 255 at the bottom, green and blue fixed.
    void placeAndPaint(int green, int blue);
    // The click of a button, before it acts.
    void SoundPopi();
    std::unique_ptr<SoundDevice> makeWave(const QString& name, const QString& file);
    // The screen was closed by Alt+F4 or the window system.
    virtual void ClosedByWindow() = 0;

    void closeRequested() override;
    void paintEvent(QPaintEvent* event) override;

    std::unique_ptr<SoundDevice> mmcPopi;  // the click of a button

  private:
    QImage background_;
    std::function<const QWidget*()> playField_;
};
