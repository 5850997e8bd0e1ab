#include "kit/fonts.h"

#include <QStringList>
#include <cmath>

namespace {
QFont makeFont(const QStringList& families, double points, bool bold, bool italic) {
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(static_cast<int>(std::lround(points * 4.0 / 3.0)));
    font.setBold(bold);
    font.setItalic(italic);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}
}  // namespace

QFont GothicFont(double points, bool bold, bool italic) {
    return makeFont(QStringList() << "MS Gothic"
                                  << "IPAGothic"
                                  << "Noto Sans Mono CJK JP",
                    points, bold, italic);
}

QFont PGothicFont(double points, bool bold, bool italic) {
    return makeFont(QStringList() << "MS PGothic"
                                  << "IPAPGothic"
                                  << "Noto Sans CJK JP",
                    points, bold, italic);
}

QFont DefaultControlFont() {
    return PGothicFont(9);
}
