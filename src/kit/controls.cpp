#include "kit/controls.h"

#include <QIcon>
#include <QPixmap>
#include <cmath>

GameLabel::GameLabel(QWidget* parent, const QString& name, const QString& caption,
                     const QRect& geometry, const QFont& font, const QColor& foreground,
                     std::optional<QColor> background, Qt::Alignment alignment)
    : QLabel(caption, parent) {
    setObjectName(name);
    setGeometry(geometry);
    setFont(font);
    setAlignment(alignment);
    setForeground(foreground);
    if (background) {
        setBackground(*background);
    }
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void GameLabel::setCaption(const QString& caption) {
    setText(caption);
    if (autoSize_) {
        resize(sizeHint());
    }
}

void GameLabel::setAutoSize(bool on) {
    autoSize_ = on;
    if (on) {
        resize(sizeHint());
    }
}

void GameLabel::setBorder(bool on) {
    setFrameStyle(on ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
    setLineWidth(1);
}

void GameLabel::setForeground(const QColor& colour) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colour);
    setPalette(p);
}

void GameLabel::setBackground(const QColor& colour) {
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
    setAutoFillBackground(true);
}

QColor GameLabel::foreground() const {
    return palette().color(QPalette::WindowText);
}

QColor GameLabel::background() const {
    return palette().color(QPalette::Window);
}

QWidget* MakePanel(QWidget* parent, const QString& name, const QRect& geometry,
                   const QColor& colour) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(name);
    panel->setGeometry(geometry);
    QPalette p = panel->palette();
    p.setColor(QPalette::Window, colour);
    panel->setPalette(p);
    panel->setAutoFillBackground(true);
    return panel;
}

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption,
                        const QRect& geometry, const QFont& font, const QImage& picture) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setFont(font);
    button->setAutoDefault(true);
    if (!picture.isNull()) {
        button->setIcon(QIcon(PixelArt(picture, *button)));
        button->setIconSize(picture.size());
    }
    return button;
}

QPixmap PixelArt(const QImage& art, const QWidget& shownOn) {
    const int factor = std::max(1, static_cast<int>(std::ceil(shownOn.devicePixelRatioF())));
    QPixmap pixmap = QPixmap::fromImage(
        art.scaled(art.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    pixmap.setDevicePixelRatio(factor);
    return pixmap;
}
