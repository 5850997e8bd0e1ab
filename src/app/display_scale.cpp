#include "app/display_scale.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <cmath>

std::optional<int> WholeScaleFactor(const QStringList& args, const QByteArray& environmentFactor) {
    QCommandLineParser parser;
    parser.addOption({"scale", "Draw every window N times larger (1-8).", "N"});
    parser.parse(args);
    bool whole = false;
    const int asked = parser.value("scale").toInt(&whole);
    if (whole && asked >= 1 && asked <= 8) {
        return asked;
    }
    bool number = false;
    const double given = environmentFactor.toDouble(&number);
    if (!number || !std::isfinite(given) || given <= 0) {
        return std::nullopt;
    }
    return std::clamp(static_cast<int>(std::lround(given)), 1, 8);
}

void ApplyWholeScaling(int argc, char** argv) {
    QStringList args;
    for (int i = 0; i < argc; ++i) {
        args << QString::fromLocal8Bit(argv[i]);
    }
    if (const auto factor = WholeScaleFactor(args, qgetenv("QT_SCALE_FACTOR"))) {
        qputenv("QT_SCALE_FACTOR", QByteArray::number(*factor));
    }
    // A display's own factor is rounded to a whole one as well (1.5 becomes 2, 1.25 becomes 1):
    // at a fractional factor every pixel of the invaders and icons would come out one or two
    // device pixels wide, and the art would look uneven. Rounding up from one half keeps a
    // dense panel readable; QT_SCALE_FACTOR_ROUNDING_POLICY still overrides this.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
}
