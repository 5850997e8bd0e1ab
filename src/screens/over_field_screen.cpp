#include "screens/over_field_screen.h"

#include <QPainter>

#include "art/ramp_background.h"
#include "kit/field_canvas.h"
#include "kit/keys.h"
#include "sound/sound_files.h"
#include "state/field_geometry.h"
#include "state/game_state.h"

namespace {
// The play field's size, for a screen shown without a play screen under it.
constexpr int kFramedWidth = kFieldWidth + 2 * FieldCanvas::kBorder;
constexpr int kFramedHeight = kFieldHeight + 2 * FieldCanvas::kBorder;
}  // namespace

OverFieldScreen::OverFieldScreen(GameServices& services, ScreenId id, const QString& name)
    : ScreenWith(services, id, name) {
    setWindowKind(WindowKind::Borderless);
    setCaption("");
    setKeyPreview(true);
    mmcPopi = makeWave("mmcPopi", EffectFile(SoundEffect::Popi));
}

OverFieldScreen::~OverFieldScreen() = default;

void OverFieldScreen::Form_KeyDown(int keyCode, int shift) {
    if (keyCode == KeyCode::F4 && shift == ShiftState::Alt) {
        ClosedByWindow();
    }
}

void OverFieldScreen::placeAndPaint(int green, int blue) {
    if (const QWidget* field = playField_ ? playField_() : nullptr) {
        placeOver(*field);
    } else {
        sizeAndCentre(kFramedWidth, kFramedHeight);
    }
    background_ = RedRampBackground(size(), green, blue);
    update();
}

void OverFieldScreen::SoundPopi() {
    mmcPopi->command(SoundCommand::Sound);
}

std::unique_ptr<SoundDevice> OverFieldScreen::makeWave(const QString& name, const QString& file) {
    auto device = sv.sound.create(DeviceType::WaveAudio, name);
    device->setFileName(sv.state.gAppDir + file);
    return device;
}

void OverFieldScreen::closeRequested() {
    ClosedByWindow();
}

void OverFieldScreen::paintEvent(QPaintEvent* event) {
    {
        QPainter p(this);
        p.drawImage(0, 0, background_);
    }
    Screen::paintEvent(event);
}
