#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
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
    void setForeground(const QColor& colour);
    void setBackground(const QColor& colour);
    QColor foreground() const;
    QColor background() const;

  private:
    bool autoSize_ = false;
};

// A plain coloured box that holds other controls.
QWidget* MakePanel(QWidget* parent, const QString& name, const QRect& geometry,
                   const QColor& colour);

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption,
                        const QRect& geometry, const QFont& font);
