#pragma once

#include <QFont>

// The two Gothic faces: fixed pitch and proportional. Sizes are points; a size of p points is a
// pixel size of round(p * 4 / 3), so layouts hold on any DPI.
QFont GothicFont(double points, bool bold = false, bool italic = false);
QFont PGothicFont(double points, bool bold = false, bool italic = false);
// The font of controls whose size the layout leaves to the system.
QFont DefaultControlFont();
