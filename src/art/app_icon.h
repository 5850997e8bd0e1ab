#pragma once

#include <QImage>

// The program's icon, size x size on a clear ground: the walking invader with raised arms,
// enlarged by whole pixels so its pixels stay sharp; where that figure does not fit (below 25),
// the all-clear ending's smaller invader.
QImage AppIcon(int size);
