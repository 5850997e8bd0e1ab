#include "art/app_icon.h"

#include <QPainter>
#include <algorithm>

#include "art/painted_invader.h"
#include "art/invader_art.h"
#include "art/pixel_art.h"
#include "art/sprites.h"

namespace {
constexpr int kIconColour = 2;

// The art at one pixel per cell, enlarged `scale` times without smoothing, in the middle.
void DrawCentred(QImage& icon, const QImage& art, int scale) {
    const QSize size = art.size() * scale;
    QPainter painter(&icon);
    painter.drawImage(
        QPoint((icon.width() - size.width()) / 2, (icon.height() - size.height()) / 2),
        art.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation));
}
}  // namespace

QImage AppIcon(int size) {
    QImage icon = TransparentImage(size, size);
    const InvaderFigure& figure = InvaderFigureFor(kWalkArmsUpFrame);
    const int width = static_cast<int>(figure.rows.front().size());
    const int height = static_cast<int>(figure.rows.size());
    // A pixel of margin on each side, so the figure never touches the icon's edge.
    if (const int scale = (size - 2) / width; scale > 0) {
        QImage art = TransparentImage(width, height);
        DrawPixelArt(art, QPoint(0, 0), figure.rows,
                     {{'#', InvaderColour(kIconColour)}, {'o', qRgb(0, 0, 0)}});
        DrawCentred(icon, art, scale);
        return icon;
    }
    QImage art = TransparentImage(kPaintedInvaderColumns, kPaintedInvaderRows);
    {
        QPainter painter(&art);
        painter.scale(1.0 / kPaintedInvaderCell, 1.0 / kPaintedInvaderCell);
        PaintBigInvader(painter, 0, QPoint(0, 0), QColor::fromRgb(InvaderColour(kIconColour)));
    }
    DrawCentred(icon, art, std::max(1, (size - 2) / kPaintedInvaderColumns));
    return icon;
}
