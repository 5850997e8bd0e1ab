#include "kit/screen.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPainter>
#include <QScreen>
#include <QtMath>
#include <algorithm>

#include "kit/keys.h"
#include "kit/navigator.h"

Screen::Screen(Services& services, ScreenKey id, const QString& name)
    : QWidget(nullptr), services_(services), id_(id) {
    setObjectName(name);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowKind(WindowKind::Captioned);
}

Screen::~Screen() {
    // Before the controls their handlers use.
    qDeleteAll(timers());
}

QList<GameTimer*> Screen::timers() const {
    return findChildren<GameTimer*>(Qt::FindDirectChildrenOnly);
}

void Screen::setTakesText(bool on) {
    takesText_ = on;
    setAttribute(Qt::WA_InputMethodEnabled, on);
}

bool Screen::previewKey(const QKeyEvent& event) {
    const int code = KeyCodeOf(event);
    Form_KeyDown(code, ShiftOf(event));
    if (services_.nav.ended() || !services_.nav.isLoaded(this)) {
        return true;
    }
    if (const char32_t ascii = KeyAsciiOf(event)) {
        Form_KeyPress(ascii);
        if (services_.nav.ended() || !services_.nav.isLoaded(this)) {
            return true;
        }
    }
    return KeepsKey(code);
}

void Screen::previewText(const QString& text) {
    for (const char32_t c : text.toUcs4()) {
        if (services_.nav.ended() || !services_.nav.isLoaded(this)) {
            return;
        }
        Form_KeyPress(c);
    }
}

GameTimer* Screen::makeTimer(int intervalMs, bool enabled, std::function<void()> handler) {
    auto* timer = new GameTimer(services_.clock, intervalMs, enabled, this);
    timer->onTimer(std::move(handler));
    return timer;
}

void Screen::stopAllTimers() {
    for (GameTimer* timer : timers()) {
        timer->setEnabled(false);
    }
}

void Screen::setBackColour(const QColor& colour) {
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
    setAutoFillBackground(true);
}

void Screen::setWindowKind(WindowKind kind) {
    kind_ = kind;
    Qt::WindowFlags flags;
    switch (kind) {
        case WindowKind::Captioned:
            flags = Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                    Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
            break;
        case WindowKind::Dialog:
            flags = Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                    Qt::WindowCloseButtonHint;
            break;
        case WindowKind::Borderless:
            flags = Qt::Dialog | Qt::FramelessWindowHint;
            break;
    }
    setWindowFlags(flags | Qt::MSWindowsFixedSizeDialogHint);
}

void Screen::setCaption(const QString& caption) {
    caption_ = caption;
    // A zero-width space shows nothing, and is not empty to the window system.
    setWindowTitle(caption.isEmpty() ? QStringLiteral("\u200B") : caption);
}

void Screen::sizeAndCentre(int width, int height) {
    QSize size(width, height);
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        setFixedSize(size);
        return;
    }
    const QRect area = screen->availableGeometry();
    const qreal dpr = screen->devicePixelRatio();
    const QSize frame =
        windowFlags() & Qt::FramelessWindowHint
            ? QSize(0, 0)
            : QSize(qCeil(kFrameAllowance.width() / dpr), qCeil(kFrameAllowance.height() / dpr));
    if (layout()) {
        size = size.boundedTo(area.size() - frame).expandedTo(minimumSizeHint());
    }
    setFixedSize(size);
    // Centred; where that would put the frame past the area's edge, as far in as it fits, and
    // never above or left of the area, where a title bar could no longer be reached.
    const QSize free = area.size() - size;
    const QSize beside = free - frame;
    move(area.x() + std::max(0, std::min(free.width() / 2, beside.width())),
         area.y() + std::max(0, std::min(free.height() / 2, beside.height())));
}

void Screen::placeOver(const QWidget& area) {
    setFixedSize(area.size());
    move(area.mapToGlobal(QPoint(0, 0)));
}

void Screen::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (kind_ == WindowKind::Borderless) {
        // Without a frame from the window system, the window draws its own thin fixed border.
        QPainter p(this);
        p.setPen(QColor(128, 128, 128));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void Screen::closeEvent(QCloseEvent* event) {
    // The navigator decides what closing means; the window itself never just disappears.
    event->ignore();
    if (services_.nav.isLoaded(this)) {
        closeRequested();
    }
}

void Screen::closeRequested() {
    services_.nav.unload(this);
}
