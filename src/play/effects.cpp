#include "play/frm_tezra.h"
#include "state/game_state.h"

namespace {
void playEffect(SoundDevice& device) {
    device.setCommandFlag(false);
    device.command(SoundCommand::Sound);
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
    mmcDen->command(SoundCommand::Prev);
    mmcDen->command(SoundCommand::Play);
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
        mmcMidi->command(SoundCommand::Open);
        mmcMidi->command(SoundCommand::Play);
    } else {
        mBgmLoop = 0;
        mmcMidi->command(SoundCommand::Close);
    }
}

void FrmTezra::StopBgm() {
    mBgmLoop = 0;
    mmcMidi->command(SoundCommand::Stop);
    mmcMidi->command(SoundCommand::Close);
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
        mmcMidi->command(SoundCommand::Seek);
        mmcMidi->command(SoundCommand::Prev);
        mmcMidi->command(SoundCommand::Play);
    } else {
        mmcMidi->command(SoundCommand::Close);
    }
}
