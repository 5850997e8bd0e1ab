#include "play/frm_tezra.h"
#include "state/game_state.h"

namespace {
void playEffect(SoundDevice& device) {
    device.setCommandFlag(false);
    device.command("sound");
}
}  // namespace

void FrmTezra::SoundShoot() {
    playEffect(*mmcShoot);
}
void FrmTezra::SoundPyu() {
    playEffect(*mmcPyu);
}
void FrmTezra::SoundBu(int frame) {
    playEffect(*mmcBu.at(frame));
}
void FrmTezra::SoundPo() {
    playEffect(*mmcPo);
}
void FrmTezra::SoundPu() {
    playEffect(*mmcPu);
}
void FrmTezra::SoundClick() {
    playEffect(*mmcClick);
}
void FrmTezra::SoundGun() {
    playEffect(*mmcGun);
}
void FrmTezra::SoundStageClear() {
    playEffect(*mmcSClear);
}

void FrmTezra::SoundDen() {
    mmcDen->setCommandFlag(false);
    mmcDen->command("prev");
    mmcDen->command("play");
}

void FrmTezra::PlayBgm() {
    const Int16 on = sv.state.gBgmOn;
    // Showing the setting selects a button without clicking it.
    for (QRadioButton* button : optOnOff) {
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
    }
    if (on == 0 || on == 1) {
        optOnOff[on]->setChecked(true);
    }
    if (on != 0) {
        mBgmLoop = 1;
        mmcMidi->command("open");
        mmcMidi->command("play");
    } else {
        mBgmLoop = 0;
        mmcMidi->command("close");
    }
}

void FrmTezra::StopBgm() {
    mBgmLoop = 0;
    mmcMidi->command("stop");
    mmcMidi->command("close");
}

void FrmTezra::optOnOff_Click(int index) {
    Int16& on = sv.state.gBgmOn;
    if (on == index) {
        return;
    }
    on = index;
    PlayBgm();
}

void FrmTezra::mmcMidi_Done() {
    if (mBgmLoop != 0 && sv.state.gBgmOn != 0) {
        mmcMidi->command("seek");
        mmcMidi->command("prev");
        mmcMidi->command("play");
    } else {
        mmcMidi->command("close");
    }
}
