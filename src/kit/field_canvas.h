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
    bool persistent = true;
};

// A line control on the field: two end points in field coordinates, drawn above the drawings.
struct FieldLine {
    QPointF p1;
    QPointF p2;
    QColor colour{255, 0, 0};
    bool dotted = false;
    bool visible = true;
};

// The play field: a picture box with a user scale (a negative width mirrors x), a background
// picture, persistent and transient drawing, and line controls. It keeps a display list so that
// what is drawn can be read back.
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

    void setAutoRedraw(bool on) { autoRedraw_ = on; }
    bool autoRedraw() const { return autoRedraw_; }
    void setFillColour(const QColor& colour) { fill_ = colour; }
    // Shows where there is no picture.
    void setBackColour(const QColor& colour) { back_ = colour; }

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

  private:
    void add(Drawing drawing);

    int innerWidth_;
    int innerHeight_;
    Frame frame_;
    double left_ = 0;
    double top_ = 0;
    double width_ = 1;
    double height_ = 1;
    QImage picture_;
    bool autoRedraw_ = false;
    QColor fill_{255, 0, 0};
    QColor back_{0, 0, 0};
    std::vector<Drawing> drawings_;
    std::vector<std::unique_ptr<FieldLine>> lines_;
};
