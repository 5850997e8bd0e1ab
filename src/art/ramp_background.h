#pragma once

#include <QImage>
#include <QSize>

// A background whose red rises row by row from 0 at the top to 255 at the bottom while green and
// blue stay fixed: row y of a picture H rows high has red floor(y * 255 / H).
QImage RedRampBackground(QSize size, int green, int blue);
