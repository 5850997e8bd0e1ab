#include "kit/field_canvas.h"

#include <QPainter>
#include <QPainterPath>

namespace {
// The game turns degrees into radians with pi as 3.14159; draw exactly the angle it meant.
double paintedDegrees(double deg) {
    return deg * 3.14159 / 180.0 * 180.0 / M_PI;
}
}  // namespace

FieldCanvas::FieldCanvas(QWidget* parent, int innerWidth, int innerHeight, Frame frame)
    : QWidget(parent), innerWidth_(innerWidth), innerHeight_(innerHeight), frame_(frame) {
    setFixedSize(innerWidth + 2 * border(), innerHeight + 2 * border());
    setFocusPolicy(Qt::StrongFocus);
}

void FieldCanvas::setScale(double left, double top, double width, double height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    update();
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
    update();
}

void FieldCanvas::cls() {
    drawings_.clear();
    update();
}

void FieldCanvas::add(Drawing drawing) {
    drawing.persistent = autoRedraw_;
    drawings_.push_back(drawing);
    update();
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
    lines_.push_back(std::make_unique<FieldLine>());
    update();
    return *lines_.back();
}

void FieldCanvas::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (frame_ == Frame::Sunken) {
        p.fillRect(rect(), QColor(128, 128, 128));
        p.fillRect(QRect(1, 1, width() - 1, height() - 1), QColor(255, 255, 255));
        p.fillRect(QRect(1, 1, width() - 2, height() - 2), QColor(64, 64, 64));
    }
    p.translate(border(), border());
    p.setClipRect(0, 0, innerWidth_, innerHeight_);
    p.fillRect(0, 0, innerWidth_, innerHeight_, back_);
    if (!picture_.isNull()) {
        p.drawImage(0, 0, picture_);
    }
    for (const Drawing& d : drawings_) {
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
                    // A sector of the upper half stays above its centre: the raster of its
                    // outline would otherwise touch the pixel under the centre.
                    p.setClipRect(QRectF(0, 0, innerWidth_, std::floor(a.y()) + 1),
                                  Qt::IntersectClip);
                }
                p.setBrush(fill_);
                p.drawPie(box, static_cast<int>(std::lround(start * 16)),
                          static_cast<int>(std::lround(span * 16)));
                p.restore();
                break;
            }
        }
    }
    for (const auto& line : lines_) {
        if (!line->visible) {
            continue;
        }
        p.setPen(QPen(line->colour, 1, line->dotted ? Qt::DotLine : Qt::SolidLine));
        p.drawLine(toScreen(line->p1.x(), line->p1.y()), toScreen(line->p2.x(), line->p2.y()));
    }
}
