#include "screens/paint_layer.h"

#include <QPainter>

PaintLayer::PaintLayer(QWidget* parent, const QString& name) : QWidget(parent) {
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PaintLayer::cover(const QRect& area) {
    setGeometry(area);
    sheet_ = QImage(area.size(), QImage::Format_ARGB32_Premultiplied);
    wipe();
}

void PaintLayer::wipe() {
    sheet_.fill(Qt::transparent);
    update();
}

void PaintLayer::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    p.drawImage(0, 0, sheet_);
}
