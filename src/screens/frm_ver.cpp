#include "screens/frm_ver.h"

#include "art/icons.h"
#include "kit/fonts.h"
#include "screens/dialog_frame.h"
#include "state/game_state.h"

FrmVer::FrmVer(GameServices& services)
    : DialogScreen(services, ScreenId::Version, kName, "Tezraのバージョン情報") {
    MakeImage(this, "imgD(0)", DialogInvaderIcon(), 8, 8);
    MakeImage(this, "imgD(1)", TitleBanner(), 56, 8);
    new GameLabel(this, "lblD(0)", "Tezra　Version 3.0", {0, 72, 337, 25}, PGothicFont(14.25, true),
                  Qt::black, std::nullopt, Qt::AlignHCenter | Qt::AlignTop);
    new GameLabel(this, "lblD(1)", "角度の感覚をきたえる　シューティングゲーム", {0, 96, 337, 17},
                  PGothicFont(9.75, true), Qt::black, std::nullopt,
                  Qt::AlignHCenter | Qt::AlignTop);
    lblAdd = new GameLabel(this, "lblAdd", "", {0, 130, 337, 40}, PGothicFont(11.25), Qt::black,
                           std::nullopt, Qt::AlignHCenter | Qt::AlignTop);
    lblAdd->setWordWrap(true);
}

void FrmVer::Form_Load() {
    sizeAndCentre(kWidth, kHeight);
    lblAdd->setCaption(sv.state.gNoteText);
}
