#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <optional>

// A label as the screens use them: transparent unless given a background, optionally sized to
// its text whenever its caption changes.
class GameLabel : public QLabel {
  public:
    GameLabel(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry,
              const QFont& font, const QColor& foreground,
              std::optional<QColor> background = std::nullopt,
              Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);

    void setCaption(const QString& caption);
    QString caption() const { return text(); }
    void setAutoSize(bool on);
    // A thin single border around the label.
    void setBorder(bool on);
    void setForeground(const QColor& colour);
    void setBackground(const QColor& colour);
    QColor foreground() const;
    QColor background() const;

  private:
    bool autoSize_ = false;
};

// A plain coloured box: a panel that holds other controls, or a filled rectangle.
QWidget* MakePanel(QWidget* parent, const QString& name, const QRect& geometry,
                   const QColor& colour);

// A button that clicks on Enter and Space while it has the focus, as in any dialog; with a
// picture, the picture stands beside the caption.
QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption,
                        const QRect& geometry, const QFont& font, const QImage& picture = {});

// Pixel art for a label or button on the given widget, enlarged square pixel by square pixel to
// the widget's device pixel ratio: Qt would smooth it.
QPixmap PixelArt(const QImage& art, const QWidget& shownOn);
