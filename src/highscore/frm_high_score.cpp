#include "highscore/frm_high_score.h"

#include <QPushButton>

#include "highscore/name_rules.h"
#include "kit/controls.h"
#include "kit/keys.h"
#include "persist/data_files.h"
#include "persist/number_text.h"
#include "sound/sound_device.h"
#include "sound/sound_files.h"
#include "state/game_state.h"
#include "state/run_memory.h"

void FrmHighScore::Form_Load() {
    sizeAndCentre(kWidth, kHeight);
    if (purpose_ == Purpose::HighScore) {
        sv.state.gHiScore = sv.state.gScore;
        lblPoint->setCaption(FormatWithSignPosition(sv.state.gHiScore));
        sv.state.gScore = 300;  // a game started after this one starts afresh
    }
    for (int array = 0; array < kKeyArrays; ++array) {
        mKeyChars[static_cast<std::size_t>(array)] =
            KeyArrays()[static_cast<std::size_t>(array)].characters;
    }
    mName.clear();
    mKanaSet = 0;
    RefreshKeyCaptions();
    mmcSound->setFileName(sv.state.gAppDir + EffectFile(SoundEffect::Pyu));
    mmcOpening->setFileName(sv.state.gAppDir + EffectFile(SoundEffect::StageClear));
    if (purpose_ == Purpose::HighScore) {
        mmcOpening->command(SoundCommand::Sound);
    }
    picKey->setFocus();
}

void FrmHighScore::RefreshKeyCaptions() {
    for (std::size_t array = 0; array < keys_.size(); ++array) {
        const QString& chars = mKeyChars[array][static_cast<std::size_t>(mKanaSet)];
        for (std::size_t i = 0; i < keys_[array].size(); ++i) {
            const QChar c = chars.at(static_cast<qsizetype>(i));
            keys_[array][i]->setText(c);
            keys_[array][i]->setAccessibleName(SpokenKey(c));
        }
    }
}

void FrmHighScore::cmdKey_Click(int array, int index) {
    const QString& chars =
        mKeyChars[static_cast<std::size_t>(array)][static_cast<std::size_t>(mKanaSet)];
    AddCharacter(chars.at(index).unicode());
}

void FrmHighScore::cmdKana_Click() {
    mmcSound->command(SoundCommand::Sound);
    mKanaSet = mKanaSet == 0 ? 1 : 0;
    RefreshKeyCaptions();
}

void FrmHighScore::cmdBS_Click() {
    if (mName.isEmpty()) {
        return;
    }
    mmcSound->command(SoundCommand::Sound);
    mName = WithoutLastCharacter(mName);
    ShowName();
}

void FrmHighScore::cmdDel_Click() {
    mmcSound->command(SoundCommand::Sound);
    mName.clear();
    ShowName();
}

void FrmHighScore::cmdOk_Click() {
    mmcSound->command(SoundCommand::Sound);
    if (purpose_ == Purpose::PlayerName) {
        sv.run.playerName = mName;
    } else {
        sv.state.gHiName = mName;
        SaveHighScore(sv.state);
    }
    emit closed();
}

void FrmHighScore::closeRequested() {
    cmdOk_Click();
}

void FrmHighScore::Form_KeyDown(int /*keyCode*/, int /*shift*/) {
    picKey->setFocus();
}

void FrmHighScore::Form_KeyPress(char32_t keyAscii) {
    if (keyAscii == KeyCode::Backspace) {
        cmdBS_Click();
        return;
    }
    AddCharacter(NameCharacterOfKey(keyAscii));
}

void FrmHighScore::AddCharacter(char32_t c) {
    // A full name takes nothing more, and a character the file cannot keep is not taken at all.
    if (NameLength(mName) >= kMaxNameLength || !IsNameCharacter(c)) {
        return;
    }
    mmcSound->command(SoundCommand::Sound);
    const char32_t one[] = {c};
    mName += QString::fromUcs4(one, 1);
    ShowName();
}

void FrmHighScore::ShowName() {
    lblName->setCaption(mName);
}
