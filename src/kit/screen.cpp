#include "kit/screen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QScreen>

#include "kit/keys.h"
#include "kit/navigator.h"

Screen::Screen(Services& services, const QString& name)
    : QWidget(nullptr), sv(services), name_(name) {
    setObjectName(name);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void Screen::previewKey(const QKeyEvent& event) {
    const int code = KeyCodeOf(event);
    Form_KeyDown(code, ShiftOf(event));
    if (sv.nav.ended() || !sv.nav.isLoaded(this)) {
        return;
    }
    if (code == KeyCode::Enter) {
        auto* button = qobject_cast<QAbstractButton*>(focusWidget());
        if (button && button->isVisible() && button->isEnabled()) {
            button->click();
            if (sv.nav.ended() || !sv.nav.isLoaded(this)) {
                return;
            }
        }
    }
    if (const char32_t ascii = KeyAsciiOf(event)) {
        Form_KeyPress(ascii);
    }
}

void Screen::sizeAndCentre(int width, int height) {
    setFixedSize(width, height);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.x() + (area.width() - width) / 2, area.y() + (area.height() - height) / 2);
    }
}

void Screen::closeEvent(QCloseEvent* event) {
    // The navigator decides what closing means; the window itself never just disappears.
    event->ignore();
    if (sv.nav.isLoaded(this)) {
        closeRequested();
    }
}

void Screen::closeRequested() {
    sv.nav.unload(this);
}
