#include <gtest/gtest.h>

#include <QApplication>
#include <QPaintEvent>

#include "kit/field_canvas.h"
#include "support/qt_printers.h"

namespace {
const QColor kGreen(0, 128, 0);
const QColor kRed(255, 0, 0);

// A shown 100 x 50 field with its origin at the top-left, and the regions it repaints.
class FieldCanvasTest : public ::testing::Test, public QObject {
  protected:
    FieldCanvasTest() {
        QImage picture(100, 50, QImage::Format_RGB32);
        picture.fill(kGreen);
        field.setPicture(picture);
        field.setScale(0, 0, 100, 50);
        field.installEventFilter(this);
        field.show();
        settle();
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }
    // Runs the pending repaints and forgets them.
    void settle() {
        QApplication::processEvents();
        painted = {};
    }
    // The pixel at a field point, as the field paints it now.
    QColor shown(int x, int y) {
        return field.grab().toImage().pixelColor(x + FieldCanvas::kBorder,
                                                 y + FieldCanvas::kBorder);
    }
    QPoint inWidget(int x, int y) const {
        return {x + FieldCanvas::kBorder, y + FieldCanvas::kBorder};
    }

    FieldCanvas field{nullptr, 100, 50};
    QRegion painted;
};

TEST_F(FieldCanvasTest, ALineRepaintsWhereItWasAndWhereItIsAndNothingElse) {
    FieldLine& line = field.addLine();
    line.setP1({10, 10});
    line.setP2({20, 10});
    settle();
    line.setP2({10, 40});
    QApplication::processEvents();
    EXPECT_TRUE(painted.contains(inWidget(19, 10)));  // the old end
    EXPECT_TRUE(painted.contains(inWidget(10, 39)));  // the new end
    EXPECT_FALSE(painted.contains(inWidget(80, 25)));
    EXPECT_EQ(shown(10, 30), kRed);

    settle();
    line.setVisible(false);
    QApplication::processEvents();
    EXPECT_TRUE(painted.contains(inWidget(10, 30)));
    EXPECT_EQ(shown(10, 30), kGreen);

    settle();
    field.setFocus();
    field.clearFocus();
    QApplication::processEvents();
    EXPECT_TRUE(painted.isEmpty());  // the field shows no focus
}

TEST_F(FieldCanvasTest, DrawingsStayOverThePictureUntilCleared) {
    EXPECT_EQ(shown(30, 20), kGreen);
    field.line({30, 20}, {60, 20}, kRed);
    EXPECT_EQ(field.displayList().size(), 1u);
    EXPECT_EQ(shown(40, 20), kRed);
    EXPECT_EQ(shown(40, 20), kRed);  // a repaint keeps it

    // A new scale moves what was drawn with it.
    field.setScale(-50, 0, 100, 50);
    EXPECT_EQ(shown(90, 20), kRed);
    EXPECT_EQ(shown(40, 20), kGreen);

    field.cls();
    EXPECT_TRUE(field.displayList().empty());
    EXPECT_EQ(shown(90, 20), kGreen);
}
}  // namespace
