#pragma once

#include <QImage>

#include "state/field_geometry.h"

// The play field's picture: a starry half-disc standing on the cannon's line, the Earth on the
// cannon, a grey band below. Opaque 24-bit colour; drawn once, then shared.
const QImage& FieldBackground();
