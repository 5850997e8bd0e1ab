#pragma once

#include <QByteArray>
#include <QStringList>
#include <optional>

// The factor Qt is to scale every window by, for a projector: --scale N (a whole N from 1 to 8)
// wins, else Qt's own QT_SCALE_FACTOR rounded to a whole factor. Nothing when neither is given
// (or the environment's value is no number): Qt's own choice stands.
std::optional<int> WholeScaleFactor(const QStringList& args, const QByteArray& environmentFactor);

// Sets up Qt's scaling from the command line and the environment; call before the
// application object is made.
void ApplyWholeScaling(int argc, char** argv);
