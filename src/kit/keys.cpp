#include "kit/keys.h"

int KeyCodeOf(const QKeyEvent& event) {
    const int key = event.key();
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) {
        return key;  // the letter and digit codes coincide
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) {
        return KeyCode::F1 + (key - Qt::Key_F1);
    }
    switch (key) {
        case Qt::Key_Backspace:
            return KeyCode::Backspace;
        case Qt::Key_Tab:
            return 9;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return KeyCode::Enter;
        case Qt::Key_Escape:
            return KeyCode::Escape;
        case Qt::Key_Shift:
            return 16;
        case Qt::Key_Control:
            return 17;
        case Qt::Key_Alt:
            return 18;
        case Qt::Key_Space:
            return KeyCode::Space;
        case Qt::Key_Left:
            return 37;
        case Qt::Key_Up:
            return 38;
        case Qt::Key_Right:
            return 39;
        case Qt::Key_Down:
            return 40;
        case Qt::Key_Delete:
            return 46;
        default:
            return 0;
    }
}

int ShiftOf(const QKeyEvent& event) {
    const Qt::KeyboardModifiers m = event.modifiers();
    return (m & Qt::ShiftModifier ? ShiftState::Shift : 0) |
           (m & Qt::ControlModifier ? ShiftState::Ctrl : 0) |
           (m & Qt::AltModifier ? ShiftState::Alt : 0);
}

char32_t KeyAsciiOf(const QKeyEvent& event) {
    const int key = event.key();
    if ((event.modifiers() & Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z) {
        return static_cast<char32_t>(key - Qt::Key_A + 1);
    }
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        case Qt::Key_Backspace:
            return 8;
        case Qt::Key_Escape:
            return 27;
        default:
            break;
    }
    const QString text = event.text();
    if (text.isEmpty()) {
        return 0;
    }
    const uint code = text.toUcs4().value(0);
    return code == 127 ? 0 : static_cast<char32_t>(code);
}
