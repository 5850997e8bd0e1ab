#include "kit/field_canvas.h"

#include <QPaintEvent>
#include <QPainter>
#include <cmath>

namespace {
// The game turns degrees into radians with pi as 3.14159; draw exactly the angle it meant.
double paintedDegrees(double deg) {
    return deg * 3.14159 / 180.0 * 180.0 / M_PI;
}

// The sunken border: grey above and left, white below and right, dark grey inside both.
void paintSunkenFrame(QPainter& p, int w, int h) {
    const QColor grey(128, 128, 128);
    const QColor white(255, 255, 255);
    const QColor dark(64, 64, 64);
    p.fillRect(0, 0, w, 1, grey);
    p.fillRect(0, 0, 1, h, grey);
    p.fillRect(w - 1, 1, 1, h - 1, white);
    p.fillRect(1, h - 1, w - 1, 1, white);
    p.fillRect(1, 1, w - 2, 1, dark);
    p.fillRect(1, 1, 1, h - 2, dark);
    p.fillRect(w - 2, 1, 1, h - 2, dark);
    p.fillRect(1, h - 2, w - 2, 1, dark);
}
}  // namespace

template <typename Change>
void FieldLine::changeWith(Change change) {
    const QRect before = canvas_.lineBounds(*this);
    change();
    canvas_.update(before | canvas_.lineBounds(*this));
}

void FieldLine::setP1(QPointF p1) {
    changeWith([&] { p1_ = p1; });
}

void FieldLine::setP2(QPointF p2) {
    changeWith([&] { p2_ = p2; });
}

void FieldLine::setColour(const QColor& colour) {
    changeWith([&] { colour_ = colour; });
}

void FieldLine::setDotted(bool dotted) {
    changeWith([&] { dotted_ = dotted; });
}

void FieldLine::setVisible(bool visible) {
    changeWith([&] { visible_ = visible; });
}

FieldCanvas::FieldCanvas(QWidget* parent, int innerWidth, int innerHeight, Frame frame)
    : QWidget(parent), innerWidth_(innerWidth), innerHeight_(innerHeight), frame_(frame) {
    setFixedSize(innerWidth + 2 * border(), innerHeight + 2 * border());
    setFocusPolicy(Qt::StrongFocus);
    // The frame and the layer cover every pixel.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FieldCanvas::setScale(double left, double top, double width, double height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    repaintAll();
}

QPointF FieldCanvas::toScreen(double x, double y) const {
    return {(x - left_) * innerWidth_ / width_, (y - top_) * innerHeight_ / height_};
}

void FieldCanvas::place(QWidget* child, double left, double top) const {
    const QPointF p = toScreen(left, top);
    child->move(border() + static_cast<int>(std::lround(p.x())),
                border() + static_cast<int>(std::lround(p.y())));
}

void FieldCanvas::setPicture(const QImage& picture) {
    picture_ = picture;
    repaintAll();
}

void FieldCanvas::setFillColour(const QColor& colour) {
    fill_ = colour;
    repaintAll();
}

void FieldCanvas::setBackColour(const QColor& colour) {
    back_ = colour;
    repaintAll();
}

void FieldCanvas::cls() {
    drawings_.clear();
    repaintAll();
}

void FieldCanvas::repaintAll() {
    layerStale_ = true;
    update();
}

void FieldCanvas::add(const Drawing& drawing) {
    drawings_.push_back(drawing);
    if (!layerStale_) {
        QPainter p(&layer_);
        paintDrawing(p, drawing);
    }
    update(drawingBounds(drawing));
}

void FieldCanvas::line(QPointF from, QPointF to, const QColor& colour) {
    add({Drawing::Kind::Line, from, to, 0, 0, 0, colour});
}

void FieldCanvas::point(QPointF at, const QColor& colour) {
    add({Drawing::Kind::Point, at, at, 0, 0, 0, colour});
}

void FieldCanvas::arc(QPointF centre, double radius, const QColor& colour, double startDeg,
                      double endDeg) {
    add({Drawing::Kind::Arc, centre, centre, radius, startDeg, endDeg, colour});
}

void FieldCanvas::pie(QPointF centre, double radius, const QColor& colour, double startDeg,
                      double endDeg) {
    add({Drawing::Kind::Pie, centre, centre, radius, startDeg, endDeg, colour});
}

FieldLine& FieldCanvas::addLine() {
    lines_.push_back(std::unique_ptr<FieldLine>(new FieldLine(*this)));
    update(lineBounds(*lines_.back()));
    return *lines_.back();
}

QRect FieldCanvas::widgetBounds(QRectF fieldPixels) const {
    // Two pixels of room: a pen's raster may stray a pixel beyond its geometry.
    return fieldPixels.normalized()
        .adjusted(-2, -2, 2, 2)
        .translated(border(), border())
        .toAlignedRect();
}

QRect FieldCanvas::lineBounds(const FieldLine& line) const {
    if (!line.visible_) {
        return {};
    }
    return widgetBounds(
        QRectF(toScreen(line.p1_.x(), line.p1_.y()), toScreen(line.p2_.x(), line.p2_.y())));
}

QRect FieldCanvas::drawingBounds(const Drawing& d) const {
    const QPointF a = toScreen(d.from.x(), d.from.y());
    if (d.kind == Drawing::Kind::Arc || d.kind == Drawing::Kind::Pie) {
        return widgetBounds(QRectF(a.x() - d.radius, a.y() - d.radius, 2 * d.radius, 2 * d.radius));
    }
    return widgetBounds(QRectF(a, toScreen(d.to.x(), d.to.y())));
}

void FieldCanvas::rebuildLayer() {
    const qreal ratio = devicePixelRatioF();
    layer_ = QImage(QSize(innerWidth_, innerHeight_) * ratio, QImage::Format_RGB32);
    layer_.setDevicePixelRatio(ratio);
    QPainter p(&layer_);
    p.fillRect(0, 0, innerWidth_, innerHeight_, back_);
    if (!picture_.isNull()) {
        p.drawImage(0, 0, picture_);
    }
    for (const Drawing& d : drawings_) {
        paintDrawing(p, d);
    }
    layerStale_ = false;
}

void FieldCanvas::paintDrawing(QPainter& p, const Drawing& d) const {
    p.setPen(QPen(d.colour, 1));
    const QPointF a = toScreen(d.from.x(), d.from.y());
    const QRectF box(a.x() - d.radius, a.y() - d.radius, 2 * d.radius, 2 * d.radius);
    const double start = paintedDegrees(d.startDeg);
    double span = paintedDegrees(d.endDeg) - start;
    if (span < 0) {
        span += 360;
    }
    switch (d.kind) {
        case Drawing::Kind::Line:
            p.drawLine(a, toScreen(d.to.x(), d.to.y()));
            break;
        case Drawing::Kind::Point:
            p.drawPoint(a);
            break;
        case Drawing::Kind::Arc:
            p.setBrush(Qt::NoBrush);
            p.drawArc(box, static_cast<int>(std::lround(start * 16)),
                      static_cast<int>(std::lround(span * 16)));
            break;
        case Drawing::Kind::Pie: {
            p.save();
            if (d.startDeg >= 0 && d.endDeg <= 180) {
                // A sector of the upper half stays above its centre: the raster of its outline
                // would otherwise touch the pixel under the centre.
                p.setClipRect(QRectF(0, 0, innerWidth_, std::floor(a.y()) + 1));
            }
            p.setBrush(fill_);
            p.drawPie(box, static_cast<int>(std::lround(start * 16)),
                      static_cast<int>(std::lround(span * 16)));
            p.restore();
            break;
        }
    }
}

void FieldCanvas::paintEvent(QPaintEvent* event) {
    if (layerStale_ || layer_.devicePixelRatio() != devicePixelRatioF()) {
        rebuildLayer();
    }
    QPainter p(this);
    if (frame_ == Frame::Sunken &&
        !QRect(border(), border(), innerWidth_, innerHeight_).contains(event->rect())) {
        paintSunkenFrame(p, width(), height());
    }
    p.translate(border(), border());
    p.setClipRect(event->rect().translated(-border(), -border()) &
                  QRect(0, 0, innerWidth_, innerHeight_));
    p.drawImage(0, 0, layer_);
    for (const auto& line : lines_) {
        if (!line->visible_) {
            continue;
        }
        p.setPen(QPen(line->colour_, 1, line->dotted_ ? Qt::DotLine : Qt::SolidLine));
        p.drawLine(toScreen(line->p1_.x(), line->p1_.y()), toScreen(line->p2_.x(), line->p2_.y()));
    }
}
