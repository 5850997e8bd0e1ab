#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

// The game full screen on a projector: one black window over the whole display paints the
// game's shown windows enlarged by the largest whole factor that fits, and passes clicks and
// keys on to them. The windows themselves stay shown underneath, so no screen notices; text
// and lines are painted at the display's resolution, pixel art by whole factors.
class FullScreenStage : public QWidget {
  public:
    // The game's shown windows, bottom to top.
    using ShownWindows = std::function<std::vector<QWidget*>()>;

    explicit FullScreenStage(ShownWindows shown);
    ~FullScreenStage() override;

    void enter();
    void leave();
    bool active() const { return active_; }

    // The largest whole factor by which the content fits the display, at least 1.
    static int WholeFactor(QSize content, QSize display);
    // Where a point of the desktop the game's windows stand on appears on the stage.
    QPointF toStage(QPointF desktop) const;

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    struct Layout {
        QRect content;  // the shown windows on the desktop
        qreal scale = 1;
        QPointF origin;  // where the content's top-left corner lies on the stage
    };
    Layout layout() const;
    QWidget* windowAt(QPoint desktop) const;
    bool forwardInput(QEvent* event);
    void forwardMouse(const QMouseEvent& event);
    void forwardKey(const QKeyEvent& event);
    void followModal();

    ShownWindows shown_;
    bool active_ = false;
    bool painting_ = false;
    // A press and its release go to the same window.
    QPointer<QWidget> pressed_;
};
