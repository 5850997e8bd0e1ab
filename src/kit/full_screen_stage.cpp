#include "kit/full_screen_stage.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cmath>

FullScreenStage::FullScreenStage(ShownWindows shown) : shown_(std::move(shown)) {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowTitle(QGuiApplication::applicationDisplayName());
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::black);
    setPalette(p);
    setAutoFillBackground(true);
    setMouseTracking(true);
}

namespace {
void BringToFront(QWidget* window) {
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        window->raise();  // the offscreen platform only warns that it cannot
    }
    window->activateWindow();
}
}  // namespace

FullScreenStage::~FullScreenStage() {
    if (active_ && qApp) {
        qApp->removeEventFilter(this);
    }
}

int FullScreenStage::WholeFactor(QSize content, QSize display) {
    if (content.isEmpty()) {
        return 1;
    }
    return std::max(
        1, std::min(display.width() / content.width(), display.height() / content.height()));
}

void FullScreenStage::enter() {
    const std::vector<QWidget*> shown = shown_();
    if (active_ || shown.empty()) {
        return;
    }
    active_ = true;
    qApp->installEventFilter(this);
    if (QScreen* screen = shown.back()->screen()) {
        setGeometry(screen->geometry());
    }
    winId();
    followModal();
    showFullScreen();
    BringToFront(this);
}

void FullScreenStage::leave() {
    if (!active_) {
        return;
    }
    active_ = false;
    qApp->removeEventFilter(this);
    pressed_ = nullptr;
    hide();
    windowHandle()->setTransientParent(nullptr);
    const std::vector<QWidget*> shown = shown_();
    if (!shown.empty()) {
        BringToFront(shown.back());
    }
}

void FullScreenStage::followModal() {
    // A modal screen blocks every window that is not its own; as its transient the stage stays
    // reachable, and the window manager keeps it above the screen.
    QWindow* modal = QGuiApplication::modalWindow();
    windowHandle()->setTransientParent(modal != windowHandle() ? modal : nullptr);
}

FullScreenStage::Layout FullScreenStage::layout() const {
    Layout l;
    for (const QWidget* window : shown_()) {
        l.content |= window->geometry();
    }
    // The factor is whole in device pixels, so every pixel of pixel art becomes a square.
    const qreal dpr = devicePixelRatioF();
    const int factor = WholeFactor(l.content.size(), size() * dpr);
    l.scale = factor / dpr;
    const QSizeF free = QSizeF(size()) - QSizeF(l.content.size()) * l.scale;
    l.origin = QPointF(std::round(free.width() / 2 * dpr) / dpr,
                       std::round(free.height() / 2 * dpr) / dpr);
    return l;
}

QPointF FullScreenStage::toStage(QPointF desktop) const {
    const Layout l = layout();
    return l.origin + (desktop - l.content.topLeft()) * l.scale;
}

QWidget* FullScreenStage::windowAt(QPoint desktop) const {
    const std::vector<QWidget*> shown = shown_();
    const auto top = std::find_if(shown.rbegin(), shown.rend(), [desktop](const QWidget* w) {
        return w->geometry().contains(desktop);
    });
    return top == shown.rend() ? nullptr : *top;
}

void FullScreenStage::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const Layout l = layout();
    painting_ = true;
    for (QWidget* window : shown_()) {
        p.save();
        p.translate(l.origin +
                    QPointF(window->geometry().topLeft() - l.content.topLeft()) * l.scale);
        p.scale(l.scale, l.scale);
        window->render(&p, QPoint(), QRegion(),
                       QWidget::DrawWindowBackground | QWidget::DrawChildren);
        p.restore();
    }
    painting_ = false;
}

void FullScreenStage::forwardMouse(const QMouseEvent& event) {
    const Layout l = layout();
    const QPointF desktop = l.content.topLeft() + (event.position() - l.origin) / l.scale;
    QWidget* target = pressed_ ? pressed_.data() : windowAt(desktop.toPoint());
    if (event.type() == QEvent::MouseButtonPress) {
        pressed_ = target;
    } else if (event.type() == QEvent::MouseButtonRelease && event.buttons() == Qt::NoButton) {
        pressed_ = nullptr;
    }
    if (!target || !target->windowHandle()) {
        return;
    }
    const QPointF local = desktop - target->geometry().topLeft();
    QMouseEvent copy(event.type(), local, local, desktop, event.button(), event.buttons(),
                     event.modifiers(), event.pointingDevice());
    QCoreApplication::sendEvent(target->windowHandle(), &copy);
}

void FullScreenStage::forwardKey(const QKeyEvent& event) {
    const std::vector<QWidget*> shown = shown_();
    if (shown.empty() || !shown.back()->windowHandle()) {
        return;
    }
    QKeyEvent copy(event.type(), event.key(), event.modifiers(), event.nativeScanCode(),
                   event.nativeVirtualKey(), event.nativeModifiers(), event.text(),
                   event.isAutoRepeat(), static_cast<quint16>(event.count()));
    QCoreApplication::sendEvent(shown.back()->windowHandle(), &copy);
}

bool FullScreenStage::forwardInput(QEvent* event) {
    // Taken at the stage's window, before Qt's own widget dispatch would record the stage as
    // the widget a press went to.
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            forwardMouse(*static_cast<QMouseEvent*>(event));
            return true;
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            forwardKey(*static_cast<QKeyEvent*>(event));
            return true;
        default:
            return false;
    }
}

bool FullScreenStage::event(QEvent* event) {
    switch (event->type()) {
        case QEvent::WindowBlocked:
            followModal();
            break;
        case QEvent::Close:
            // Alt+F4 on the stage closes the game's top window, as it would without the stage.
            event->ignore();
            if (const std::vector<QWidget*> shown = shown_(); !shown.empty()) {
                shown.back()->close();
            }
            return true;
        default:
            break;
    }
    return QWidget::event(event);
}

bool FullScreenStage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle()) {
        return forwardInput(event);
    }
    if (watched == this || painting_) {
        return false;
    }
    switch (event->type()) {
        case QEvent::UpdateRequest:
        case QEvent::Move:
        case QEvent::Resize:
            update();
            break;
        case QEvent::Show:
            if (watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow()) {
                // A screen just shown raises and activates itself: the stage stays in front.
                QTimer::singleShot(0, this, [this] {
                    if (active_) {
                        BringToFront(this);
                    }
                });
                update();
            }
            break;
        case QEvent::Hide:
            if (watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow()) {
                // One screen may give way to the next: only when none follows is the stage done.
                QTimer::singleShot(0, this, [this] {
                    if (shown_().empty()) {
                        leave();
                    }
                });
                update();
            }
            break;
        default:
            break;
    }
    return false;
}
