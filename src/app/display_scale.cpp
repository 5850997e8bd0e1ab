#include "app/display_scale.h"

#include <QGuiApplication>
#include <algorithm>
#include <cmath>

#include "kit/screen.h"

std::optional<int> WholeScaleFactor(std::optional<int> asked, const QByteArray& environmentFactor) {
    if (asked) {
        return asked;
    }
    bool number = false;
    const double given = environmentFactor.toDouble(&number);
    if (!number || !std::isfinite(given) || given <= 0) {
        return std::nullopt;
    }
    return std::clamp(static_cast<int>(std::lround(given)), 1, 8);
}

int FittingScale(int asked, QSize available, QSize play) {
    int factor = std::max(asked, 1);
    const QSize frame = Screen::kFrameAllowance;
    while (factor > 1 && (play.width() * factor + frame.width() > available.width() ||
                          play.height() * factor + frame.height() > available.height())) {
        --factor;
    }
    return factor;
}

void ApplyWholeScaling(std::optional<int> asked) {
    if (const auto factor = WholeScaleFactor(asked, qgetenv("QT_SCALE_FACTOR"))) {
        qputenv("QT_SCALE_FACTOR", QByteArray::number(*factor));
    }
    // A display's own factor is rounded to a whole one as well (1.5 becomes 2, 1.25 becomes 1):
    // at a fractional factor every pixel of the invaders and icons would come out one or two
    // device pixels wide, and the art would look uneven. Rounding up from one half keeps a
    // dense panel readable; QT_SCALE_FACTOR_ROUNDING_POLICY still overrides this.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
}
