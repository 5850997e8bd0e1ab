#include "screens/message_label.h"

#include <QPainter>
#include <QTextLayout>

MessageLabel::MessageLabel(QWidget* parent, const QString& name, const QRect& geometry,
                           const QFont& font, const QColor& foreground, const QColor& background)
    : GameLabel(parent, name, "", geometry, font, foreground, background) {
    setBorder(true);
    setWordWrap(true);
}

void MessageLabel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    drawFrame(&painter);
    const QRect area = contentsRect();
    QTextLayout layout(text(), font());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    int y = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(area.width());
        line.setPosition(QPointF(0, y));
        y += font().pixelSize();
    }
    layout.endLayout();
    painter.setPen(foreground());
    painter.setClipRect(area);
    layout.draw(&painter, area.topLeft());
}
