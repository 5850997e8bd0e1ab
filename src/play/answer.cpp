#include "play/field_drawing.h"
#include "play/frm_tezra.h"
#include "play/shot_rules.h"

namespace {
// The answer's text stays this far from the field's side.
constexpr int kAnswerMargin = 6;
}  // namespace

void FrmTezra::ShowAnswer(const JudgedShot& shot) {
    answer_ = shot;
    DrawAnswer();
}

void FrmTezra::DrawAnswer() {
    if (!answer_) {
        return;
    }
    const int direction = model_.lineAngle() + model_.lineDir() * answer_->rightAngle;
    DrawAnswerAngle(*picMain, model_.lineAngle(), direction);
    lblAnswer->setCaption(AnswerText(answer_->rightAngle, answer_->typedAngle));
    // Under the horizon, on the side away from the 0° mark: the mirrored field has it at the left.
    const bool mirrored = picMain->scaleWidth() < 0;
    const int left = FieldCanvas::kBorder + kAnswerMargin;
    const int right = picMain->width() - left - lblAnswer->width();
    lblAnswer->move(mirrored ? right : left, lblAnswer->y());
    lblAnswer->show();
}
