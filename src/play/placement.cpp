#include "play/field_drawing.h"
#include "play/frm_tezra.h"
#include "state/run_memory.h"

void FrmTezra::DrawCountArrow() {
    const CountArrowLabel label = DrawCountingArrow(*picMain, model_.lineAngle(), model_.lineDir());
    lblArw->setCaption(label.caption);
    picMain->place(lblArw, label.at.x(), label.at.y());
    lblArw->show();
}

void FrmTezra::DrawScaleMarks() {
    DrawProtractor(*picMain, sv.run.settings.grid);
}
