#include "kit/fonts.h"

#include <QFontDatabase>
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

// Only the listed families this system has, in their order. A missing first family sends Qt
// through a fallback search for every script it draws, an eighth of the title's way to its first
// paint, to arrive at an installed family all the same. With none of them installed the list
// stays whole, so that Qt's own fallback chooses as it always has.
QStringList Installed(const QStringList& families) {
    QStringList installed;
    for (const QString& family : families) {
        if (QFontDatabase::hasFamily(family)) {
            installed << family;
        }
    }
    return installed.isEmpty() ? families : installed;
}
}  // namespace

QFont GothicFont(double points, bool bold, bool italic) {
    static const QStringList kFamilies =
        Installed({"MS Gothic", "IPAGothic", "Noto Sans Mono CJK JP"});
    return makeFont(kFamilies, points, bold, italic);
}

QFont PGothicFont(double points, bool bold, bool italic) {
    static const QStringList kFamilies =
        Installed({"MS PGothic", "IPAPGothic", "Noto Sans CJK JP"});
    return makeFont(kFamilies, points, bold, italic);
}

QFont DefaultControlFont() {
    return PGothicFont(9);
}
