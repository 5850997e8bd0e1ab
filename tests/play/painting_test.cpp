#include <QDir>
#include <QImage>

#include "state/angles.h"
#include "support/play_steps.h"

// What the field really paints: the display list says what is drawn, these pixels say where.
class PaintingTest : public PlayStepsTest {
  protected:
    // The field's drawing area as painted, one image pixel per field pixel.
    QImage paintedField() {
        const QImage whole = play().picMain->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage field = whole.copy(FieldCanvas::kBorder, FieldCanvas::kBorder, 631, 350);
        // TEZRA_SHOTS=/some/folder keeps every picture for a person to look at.
        const QString folder = qEnvironmentVariable("TEZRA_SHOTS");
        if (!folder.isEmpty()) {
            QDir().mkpath(folder);
            const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
            play().screen.grab().save(
                QString("%1/%2-%3.png").arg(folder, info->name()).arg(++shots_));
        }
        return field;
    }
    // The field pixel at distance r in absolute direction a.
    QColor at(const QImage& field, double r, double a) {
        const QPointF p = play().picMain->toScreen(AngleX(r, a), AngleY(r, a));
        return field.pixelColor(static_cast<int>(std::floor(p.x())),
                                static_cast<int>(std::floor(p.y())));
    }
    // Whether a thin line of the colour passes within a pixel of that point.
    bool lineNear(const QImage& field, double r, double a, const QColor& colour) {
        const QPoint p = play().picMain->toScreen(AngleX(r, a), AngleY(r, a)).toPoint();
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                if (field.pixelColor(p.x() + dx, p.y() + dy) == colour) {
                    return true;
                }
            }
        }
        return false;
    }

  private:
    int shots_ = 0;
};

TEST_F(PaintingTest, TheRedLineAndTheMarksStandWhereTheStageSays) {
    restartEmpty(1, 1);
    QImage field = paintedField();
    EXPECT_EQ(at(field, 200, 0), QColor(255, 0, 0));       // the red line to the right
    EXPECT_EQ(at(field, 70, 45), QColor(0, 255, 255));     // the protractor's cyan arc
    EXPECT_EQ(at(field, 305, 90), QColor(255, 255, 255));  // a white rim mark
    EXPECT_NE(at(field, 200, 180), QColor(255, 0, 0));

    restartEmpty(1, 2);
    field = paintedField();
    EXPECT_EQ(at(field, 200, 0), QColor(255, 0, 0));  // 0 degrees now on the left of the screen
    EXPECT_LT(play().picMain->toScreen(200, 0).x(), 315);

    restartEmpty(2, 1);
    field = paintedField();
    EXPECT_NE(at(field, 70, 45), QColor(0, 255, 255));  // no marks at level 2
}

TEST_F(PaintingTest, TheFanFillsTheFiredAngleAndNothingBeyond) {
    for (int stage : {1, 2}) {
        SCOPED_TRACE(stage);
        restartEmpty(1, stage);
        fire(60);
        clock.advanceUntil([&] { return play().tmrS->enabled(); }, 2000);
        const QImage field = paintedField();
        EXPECT_EQ(at(field, 25, 30), QColor(255, 0, 0));  // inside the fan
        EXPECT_EQ(at(field, 25, 55), QColor(255, 0, 0));
        EXPECT_NE(at(field, 25, 75), QColor(255, 0, 0));  // past the fired angle
        EXPECT_NE(at(field, 45, 30), QColor(255, 0, 0));  // outside its radius of 35
        runUntilReady();
    }
}

TEST_F(PaintingTest, TheShotAndTheHitMessageShowOnScreen) {
    PlayProbe& s = restartEmpty(2, 1);
    pin(0, 50, 203);
    s.tmrInv[0]->setEnabled(true);
    advance(400);  // one step in: the invader shows at distance 203
    fire(50);
    advanceToJudgement();
    const QImage field = paintedField();
    EXPECT_TRUE(lineNear(field, 250, 50, QColor(255, 0, 0)));  // the shot at full length
    EXPECT_TRUE(lineNear(field, 309, 50, QColor(255, 0, 0)));
    EXPECT_TRUE(s.lblHitMsg->isVisible());
    EXPECT_EQ(s.lblHitMsg->caption(), "命中 !!");
    EXPECT_TRUE(s.lblHitPoint->isVisible());
    EXPECT_TRUE(s.imgInv[0]->isVisible());
    EXPECT_EQ(s.imgInv[0]->pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
              state.gInvPictures[2][2]);  // the green burst
}

TEST_F(PaintingTest, TheGameOverFlashShowsTheRedFieldThenTheMessage) {
    PlayProbe& s = restartEmpty(1, 1);
    pin(0, 120, 21);
    s.tmrInv[0]->setEnabled(true);
    clock.advanceUntil([&] { return s.tmrGameOver1->enabled(); }, 3000);
    clock.advanceUntil([&] { return s.picMain->picture().isNull(); }, 1000);
    EXPECT_EQ(paintedField().pixelColor(300, 100), QColor(255, 0, 0));  // the blank field is red
    clock.advanceUntil([&] { return s.lblOverMsg[1]->caption().size() == 11; }, 10000);
    paintedField();
    EXPECT_EQ(s.lblOverMsg[0]->caption(), "120゜からの こうげきをうけ");
    EXPECT_EQ(s.lblOverMsg[1]->caption(), "地球は めつぼうした。");
}

TEST_F(PaintingTest, TheStageClearMessageStandsOverTheField) {
    PlayProbe& s = restartEmpty(1, 1);
    round().gRest = 0;
    s.NextRound();
    clock.advance(400);
    paintedField();
    EXPECT_TRUE(s.lblClearMsg[1]->isVisible());
    EXPECT_EQ(s.lblClearMsg[0]->y() - s.lblClearMsg[1]->y(), 7);
}

TEST_F(PaintingTest, TheFanNeverPaintsBelowTheGround) {
    for (const auto& [stage, angle] :
         {std::pair(1, 100), std::pair(1, 180), std::pair(2, 170), std::pair(2, 180)}) {
        SCOPED_TRACE(testing::Message() << "stage " << stage << " at " << angle);
        restartEmpty(1, stage);
        fire(angle);
        clock.advanceUntil([&] { return play().tmrS->enabled(); }, 3000);
        const QImage field = paintedField();
        for (const QPointF below : {QPointF(-1, -1), QPointF(1, -1), QPointF(0, -1)}) {
            const QPointF p = play().picMain->toScreen(below.x(), below.y());
            EXPECT_NE(field.pixelColor(static_cast<int>(std::floor(p.x())),
                                       static_cast<int>(std::floor(p.y()))),
                      QColor(255, 0, 0))
                << below.x() << ", " << below.y();
        }
        runUntilReady();
    }
}
