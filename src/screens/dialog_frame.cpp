#include "screens/dialog_frame.h"

#include "kit/controls.h"
#include "kit/fonts.h"

DialogScreen::DialogScreen(GameServices& services, ScreenId id, const QString& name,
                           const QString& caption)
    : ScreenWith(services, id, name) {
    setWindowKind(WindowKind::Dialog);
    setCaption(caption);
    setBackColour(Qt::white);
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("comOk");
    ok->setGeometry(266, 170, 63, 23);
    ok->setFont(DefaultControlFont());
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &DialogScreen::comOk_Click);
}

QLabel* MakeImage(QWidget* parent, const QString& name, const QImage& image, int x, int y) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setPixmap(PixelArt(image, *label));
    label->setGeometry(x, y, image.width(), image.height());
    return label;
}
