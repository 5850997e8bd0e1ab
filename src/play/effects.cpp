#include "play/frm_tezra.h"
#include "state/game_state.h"

void FrmTezra::SoundShoot() {
    StartEffect(*mmcShoot);
}
void FrmTezra::SoundPyu() {
    StartEffect(*mmcPyu);
}
void FrmTezra::SoundBu(int frame) {
    StartEffect(*mmcBu.at(frame));
}
void FrmTezra::SoundPo() {
    StartEffect(*mmcPo);
}
void FrmTezra::SoundPu() {
    StartEffect(*mmcPu);
}
void FrmTezra::SoundClick() {
    StartEffect(*mmcClick);
}
void FrmTezra::SoundGun() {
    StartEffect(*mmcGun);
}
void FrmTezra::SoundStageClear() {
    StartEffect(*mmcSClear);
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
