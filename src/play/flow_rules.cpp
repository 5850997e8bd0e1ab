#include "play/flow_rules.h"

#include <algorithm>

namespace {
const QString kOverText0 = QStringLiteral("からの こうげきをうけ");
const QString kOverText1 = QStringLiteral("地球は めつぼうした。");
}  // namespace

HitFollowUp HitFollowUpFor(int level) {
    return level == 3 ? HitFollowUp{2, 6} : HitFollowUp{3, 15};
}

MissFollowUp MissFollowUpFor(int level) {
    return level == 3 ? MissFollowUp{4, 5, 8} : MissFollowUp{8, 9, 18};
}

ClearStep ClearStepFor(int clearTick) {
    switch (clearTick) {
        case 1:
            return ClearStep::ShowAndSound;
        case 5:
        case 10:
        case 15:
            return ClearStep::Hide;
        case 6:
        case 11:
            return ClearStep::Show;
        case 16:
            return ClearStep::End;
        default:
            return ClearStep::Nothing;
    }
}

QString OverLine0(int rel, int typeTick) {
    return QString::number(rel) + QStringLiteral("゜") +
           kOverText0.left(std::clamp(typeTick, 0, 12));
}

QString OverLine1(int typeTick) {
    return kOverText1.left(std::max(0, typeTick - 12));
}

TypeSound TypeSoundFor(int typeTick) {
    if (typeTick == 23) {
        return TypeSound::Gun;
    }
    if (typeTick > 23 || typeTick == 4 || typeTick == 12 || typeTick == 16) {
        return TypeSound::None;
    }
    return TypeSound::Click;
}
