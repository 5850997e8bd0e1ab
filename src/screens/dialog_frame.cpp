#include "screens/dialog_frame.h"

#include "kit/fonts.h"
#include "kit/screen.h"

void DressDialog(Screen& dialog, const QString& caption) {
    dialog.setWindowTitle(caption);
    QPalette p = dialog.palette();
    p.setColor(QPalette::Window, Qt::white);
    dialog.setPalette(p);
    dialog.setAutoFillBackground(true);
}

QPushButton* MakeOkButton(Screen& dialog) {
    auto* ok = new QPushButton("OK", &dialog);
    ok->setObjectName("comOk");
    ok->setGeometry(266, 170, 63, 23);
    ok->setFont(DefaultControlFont());
    ok->setDefault(true);
    return ok;
}

QLabel* MakeImage(QWidget* parent, const QString& name, const QImage& image, int x, int y) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setPixmap(QPixmap::fromImage(image));
    label->setGeometry(x, y, image.width(), image.height());
    return label;
}
