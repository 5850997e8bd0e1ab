#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QWidget>
#include <memory>
#include <vector>

// One drawing on the field, in field coordinates. Arc and pie angles are screen angles in
// degrees, counter-clockwise from the rightward horizontal as seen on screen.
struct Drawing {
    enum class Kind { Line, Point, Arc, Pie };
    Kind kind;
    QPointF from;  // line start, point, or circle centre
    QPointF to;    // line end
    double radius = 0;
    double startDeg = 0;
    double endDeg = 0;
    QColor colour;
};

class FieldCanvas;

// A line control on the field: two end points in field coordinates, drawn above the drawings.
// Every change shows by itself.
class FieldLine {
  public:
    QPointF p1() const { return p1_; }
    QPointF p2() const { return p2_; }
    QColor colour() const { return colour_; }
    bool dotted() const { return dotted_; }
    bool visible() const { return visible_; }

    void setP1(QPointF p1);
    void setP2(QPointF p2);
    void setColour(const QColor& colour);
    void setDotted(bool dotted);
    void setVisible(bool visible);

  private:
    friend class FieldCanvas;
    explicit FieldLine(FieldCanvas& canvas) : canvas_(canvas) {}
    // Repaints where the line was and where it is after `change`.
    template <typename Change>
    void changeWith(Change change);

    FieldCanvas& canvas_;
    QPointF p1_;
    QPointF p2_;
    QColor colour_{255, 0, 0};
    bool dotted_ = false;
    bool visible_ = true;
};

// The play field: a picture box with a user scale (a negative width mirrors x), a background
// picture, drawings and line controls. Drawings stay until cls(), painted once onto a layer over
// the picture, so a repaint copies pixels instead of drawing again; the display list keeps what
// was drawn so that it can be read back.
class FieldCanvas : public QWidget {
  public:
    // The sunken single border of the play field.
    static constexpr int kBorder = 2;
    enum class Frame { Sunken, None };

    FieldCanvas(QWidget* parent, int innerWidth, int innerHeight, Frame frame = Frame::Sunken);
    // Width of the frame around the drawing area.
    int border() const { return frame_ == Frame::Sunken ? kBorder : 0; }

    void setScale(double left, double top, double width, double height);
    double scaleWidth() const { return width_; }
    // A field point's position in the drawing area, in pixels.
    QPointF toScreen(double x, double y) const;
    // Puts a child's top-left corner at a field point.
    void place(QWidget* child, double left, double top) const;

    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }

    // Fills the pies.
    void setFillColour(const QColor& colour);
    // Shows where there is no picture.
    void setBackColour(const QColor& colour);

    // Clears every drawing; the background picture stays.
    void cls();
    void line(QPointF from, QPointF to, const QColor& colour);
    void point(QPointF at, const QColor& colour);
    void arc(QPointF centre, double radius, const QColor& colour, double startDeg, double endDeg);
    // A filled sector with its arc and both radii drawn in the given colour.
    void pie(QPointF centre, double radius, const QColor& colour, double startDeg, double endDeg);
    const std::vector<Drawing>& displayList() const { return drawings_; }

    FieldLine& addLine();

  protected:
    void paintEvent(QPaintEvent* event) override;
    // The field shows no focus, so taking or losing it repaints nothing.
    void focusInEvent(QFocusEvent*) override {}
    void focusOutEvent(QFocusEvent*) override {}

  private:
    friend class FieldLine;
    void add(const Drawing& drawing);
    void paintDrawing(QPainter& p, const Drawing& d) const;
    // The picture and every drawing, at the device's pixel ratio.
    void rebuildLayer();
    // Everything under a line or drawing, in widget pixels, with room for its pen.
    QRect widgetBounds(QRectF fieldPixels) const;
    QRect lineBounds(const FieldLine& line) const;
    QRect drawingBounds(const Drawing& d) const;
    void repaintAll();

    int innerWidth_;
    int innerHeight_;
    Frame frame_;
    double left_ = 0;
    double top_ = 0;
    double width_ = 1;
    double height_ = 1;
    QImage picture_;
    QColor fill_{255, 0, 0};
    QColor back_{0, 0, 0};
    std::vector<Drawing> drawings_;
    std::vector<std::unique_ptr<FieldLine>> lines_;
    QImage layer_;
    bool layerStale_ = true;
};
