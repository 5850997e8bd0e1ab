#include "kit/touch_keypad.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWindow>

TouchKeypad::TouchKeypad(QWidget* parent, int keySize, int gap, const QColor& background)
    : QWidget(parent), keySize_(keySize), gap_(gap) {
    QPalette p = palette();
    p.setColor(QPalette::Window, background);
    setPalette(p);
    setAutoFillBackground(true);
}

QPushButton* TouchKeypad::addKey(int row, int column, const Key& key, const QFont& font,
                                 int columns) {
    auto* button = new QPushButton(key.caption, this);
    const QSize cells = GridSize(1, columns, keySize_, gap_);
    button->setGeometry(gap_ + column * (keySize_ + gap_), gap_ + row * (keySize_ + gap_),
                        cells.width() - 2 * gap_, keySize_);
    button->setFont(font);
    button->setAccessibleName(key.accessibleName);
    // Out of the Tab order and the focus: the window keeps its own, as with the keyboard.
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QPushButton::clicked, this, [this, key] { send(key.key, key.text); });
    return button;
}

void TouchKeypad::send(Qt::Key key, const QString& text) {
    // To the window itself, as the window system delivers a typed key: the window previews it
    // and passes it on to the focused control.
    QPointer<QWindow> target = window()->windowHandle();
    if (!target) {
        return;
    }
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &press);
    if (target) {
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(target, &release);
    }
}
