#pragma once

#include <QByteArray>
#include <QSize>
#include <optional>

// The factor Qt is to scale every window by, for a projector: --scale N (a whole N from 1 to 8)
// wins, else Qt's own QT_SCALE_FACTOR rounded to a whole factor. Nothing when neither is given
// (or the environment's value is no number): Qt's own choice stands.
std::optional<int> WholeScaleFactor(std::optional<int> asked, const QByteArray& environmentFactor);

// The largest whole factor, from 1 up to `asked`, at which the play window's client area `play`
// and a window frame around it fit in `available`: the screen's free area in pixels at factor one.
int FittingScale(int asked, QSize available, QSize play);

// Sets up Qt's scaling from the command line's factor and the environment; call before the
// application object is made.
void ApplyWholeScaling(std::optional<int> asked);
