#pragma once

#include <QLabel>
#include <QPushButton>

#include "kit/screen.h"
#include "state/game_services.h"
#include "state/screen_id.h"

// The small white dialogs with their single "OK" button, which closes them.
class DialogScreen : public ScreenWith<GameServices> {
    Q_OBJECT
  public:
    static constexpr int kWidth = 338;
    static constexpr int kHeight = 200;

    DialogScreen(GameServices& services, ScreenId id, const QString& name, const QString& caption);

    void comOk_Click() { emit closed(); }

  signals:
    void closed();
};

QLabel* MakeImage(QWidget* parent, const QString& name, const QImage& image, int x, int y);
