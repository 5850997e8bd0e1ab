#pragma once

#include <QLabel>
#include <QPushButton>

class Screen;

// The small white dialogs: size, centre, background and their single "OK" button.
inline constexpr int kDialogWidth = 338;
inline constexpr int kDialogHeight = 200;
void DressDialog(Screen& dialog, const QString& caption);
QPushButton* MakeOkButton(Screen& dialog);
QLabel* MakeImage(QWidget* parent, const QString& name, const QImage& image, int x, int y);
