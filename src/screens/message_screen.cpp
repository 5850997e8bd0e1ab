#include "screens/message_screen.h"

#include "art/icons.h"
#include "kit/controls.h"
#include "kit/fonts.h"
#include "sound/sound_files.h"
#include "state/game_state.h"

MessageScreen::MessageScreen(GameServices& services, ScreenId id, const QString& name)
    : ScreenWith(services, id, name) {
    setWindowKind(WindowKind::Dialog);
    setCaption("Tezra [読んでね]");
    setWindowIcon(QPixmap::fromImage(SmallInvaderIcon(0)));
    setBackColour(kNavy);

    cmdEnd = MakeButton(this, "cmdEnd", "おわり", {399, 320, 56, 20}, DefaultControlFont());
    mmcPopi = sv.sound.create(DeviceType::WaveAudio, "mmcPopi");
}

QPushButton* MessageScreen::makeGoButton(const QString& name, const QString& caption) {
    QPushButton* go = MakeButton(this, name, caption, {137, 300, 185, 41}, GothicFont(14.25, true),
                                 SmallInvaderIcon(3));
    setTabOrder(go, cmdEnd);
    go->setFocus();
    return go;
}

void MessageScreen::Form_Load() {
    sizeAndCentre(kClientWidth, kClientHeight);
    mmcPopi->setFileName(sv.state.gAppDir + EffectFile(SoundEffect::Popi));
}

void MessageScreen::SoundPopi() {
    StartEffect(*mmcPopi);
}
