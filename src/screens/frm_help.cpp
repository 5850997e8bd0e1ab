#include "screens/frm_help.h"

#include "art/icons.h"
#include "kit/controls.h"
#include "kit/fonts.h"

FrmHelp::FrmHelp(GameServices& services) : DialogScreen(services, ScreenId::Help, kName, "Tezra") {
    MakeImage(this, "imgD(0)", DialogInvaderIcon(), 32, 8);
    auto label = [this](const char* name, const QString& text, QRect geometry, double points) {
        return new GameLabel(this, name, text, geometry, GothicFont(points), Qt::black);
    };
    label("lblD(6)", "そうさ", {124, 2, 0, 0}, 9.75)->setAutoSize(true);
    label("lblD(5)", "操作のしかた", {120, 16, 0, 0}, 18)->setAutoSize(true);
    label("lblD(0)", "角度を入れる　→キーボードの数字キー", {29, 60, 337, 17}, 11.25);
    label("lblD(1)", "数を直す　　　→数字以外のキー", {29, 84, 337, 17}, 11.25);
    label("lblD(2)", "発射(はっしゃ)→エンターキー　か", {29, 108, 337, 17}, 11.25);
    label("lblD(3)", "　　　　　　　　スペースキー　か", {29, 124, 337, 17}, 11.25);
    label("lblD(4)", "　　　　　　　　発射(はっしゃ)ボタン", {29, 140, 337, 17}, 11.25);
}

void FrmHelp::Form_Load() {
    sizeAndCentre(kWidth, kHeight);
}
