#include "art/field_background.h"

#include "art/night_field.h"

const QImage& FieldBackground() {
    static const QImage kBackground =
        DrawNightField({QSize(kFieldWidth, kFieldHeight), kFieldCannon, kFieldRadius,
                        kEarthDiameter, 60, 260, 20240531});
    return kBackground;
}
