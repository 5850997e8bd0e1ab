#pragma once

#include "kit/controls.h"

// A bordered label whose text wraps with its lines one font height apart, as the Gothic faces
// set them on the system the game was drawn for: four lines then fit a box of four lines'
// height, where the usual line spacing would cut the last one off.
class MessageLabel : public GameLabel {
  public:
    MessageLabel(QWidget* parent, const QString& name, const QRect& geometry, const QFont& font,
                 const QColor& foreground, const QColor& background);

  protected:
    void paintEvent(QPaintEvent* event) override;
};
