#pragma once

#include <QFont>
#include <QKeyEvent>
#include <QPushButton>
#include <QString>
#include <QWidget>

// Large on-screen keys for a touch screen or an interactive whiteboard. A key, when clicked,
// sends its keyboard key's press and release to the window it stands in, so the window handles
// it exactly as a typed key: whatever the keyboard obeys, the keys obey too. The keys never take
// the focus from the window's own controls.
class TouchKeypad : public QWidget {
  public:
    // One key: its caption, its name for a screen reader, and the keyboard key it stands for.
    struct Key {
        QString caption;
        QString accessibleName;
        Qt::Key key;
        QString text;  // what the key types, empty for none
    };

    // Keys are square, keySize wide, laid on a grid with `gap` between and around them.
    TouchKeypad(QWidget* parent, int keySize, int gap, const QColor& background);

    // Puts a key in the grid; it spans `columns` cells.
    QPushButton* addKey(int row, int column, const Key& key, const QFont& font, int columns = 1);
    // The size of a grid of the given cells, gaps around included.
    static constexpr QSize GridSize(int rows, int columns, int keySize, int gap) {
        return {columns * keySize + (columns + 1) * gap, rows * keySize + (rows + 1) * gap};
    }

  private:
    void send(Qt::Key key, const QString& text);

    int keySize_;
    int gap_;
};
