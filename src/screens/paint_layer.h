#pragma once

#include <QImage>
#include <QWidget>

// A transparent sheet over its parent's background that keeps whatever is painted on it until
// it is wiped. Clicks go through it.
class PaintLayer : public QWidget {
  public:
    PaintLayer(QWidget* parent, const QString& name);

    // The sheet to paint on; call update() afterwards.
    QImage& sheet() { return sheet_; }
    const QImage& sheet() const { return sheet_; }
    // Lays the sheet over `area` of the parent, blank.
    void cover(const QRect& area);
    void wipe();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage sheet_;
};
