#include <gtest/gtest.h>

#include <QPainter>

#include "art/sprites.h"
#include "state/game_state.h"

namespace {

struct Census {
    int figure = 0;
    int black = 0;
    int other = 0;           // opaque pixels of any other colour
    int halfOpaque = 0;      // alpha neither 0 nor 255
    int clearButTinted = 0;  // alpha 0 but colour left behind
    QRect extent;
};

Census Count(const QImage& picture, QRgb figureColour) {
    Census census;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = picture.pixel(x, y);
            if (qAlpha(p) == 0) {
                census.clearButTinted += (p != 0);
                continue;
            }
            census.extent |= QRect(x, y, 1, 1);
            if (qAlpha(p) != 255) {
                ++census.halfOpaque;
            } else if (p == figureColour) {
                ++census.figure;
            } else if (p == qRgb(0, 0, 0)) {
                ++census.black;
            } else {
                ++census.other;
            }
        }
    }
    return census;
}

struct FrameFacts {
    QRect extent;
    int figure;
    int black;
};

const FrameFacts kFrames[] = {
    {QRect(5, 8, 23, 17), 211, 8},
    {QRect(5, 8, 23, 17), 195, 8},
    {QRect(3, 7, 27, 19), 96, 0},
};

const QRgb kColours[] = {qRgb(255, 0, 0), qRgb(255, 255, 0), qRgb(0, 255, 0), qRgb(0, 255, 255)};

}  // namespace

TEST(InvaderPictures, EveryColourAndFrameHasItsExactFigure) {
    GameState state;
    FillInvaderPictures(state);
    for (int colour = 0; colour < 4; ++colour) {
        EXPECT_EQ(InvaderColour(colour), kColours[colour]);
        for (int frame = 0; frame < 3; ++frame) {
            SCOPED_TRACE(testing::Message() << "colour " << colour << " frame " << frame);
            const QImage& picture = state.gInvPictures[colour][frame];
            ASSERT_EQ(picture.size(), QSize(32, 32));
            EXPECT_EQ(picture.format(), QImage::Format_ARGB32);
            const Census census = Count(picture, kColours[colour]);
            EXPECT_EQ(census.extent, kFrames[frame].extent);
            EXPECT_EQ(census.figure, kFrames[frame].figure);
            EXPECT_EQ(census.black, kFrames[frame].black);
            EXPECT_EQ(census.other, 0);
            EXPECT_EQ(census.halfOpaque, 0);
            EXPECT_EQ(census.clearButTinted, 0);
        }
    }
}

TEST(InvaderPictures, EyesAreTwoBlackSquaresOfFourPixels) {
    for (int frame : {kWalkArmsDownFrame, kWalkArmsUpFrame}) {
        const QImage picture = InvaderPicture(2, frame);
        QRect left, right;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                if (picture.pixel(x, y) == qRgb(0, 0, 0)) {
                    (x < 16 ? left : right) |= QRect(x, y, 1, 1);
                }
            }
        }
        EXPECT_EQ(left.size(), QSize(2, 2)) << frame;
        EXPECT_EQ(right.size(), QSize(2, 2)) << frame;
    }
}

TEST(InvaderPictures, BackgroundShowsAroundTheFigure) {
    const QRgb ground = qRgb(200, 0, 200);
    for (int frame = 0; frame < 3; ++frame) {
        const QImage picture = InvaderPicture(3, frame);
        QImage scene(48, 48, QImage::Format_RGB32);
        scene.fill(ground);
        QPainter(&scene).drawImage(QPoint(8, 8), picture);
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const QRgb own = picture.pixel(x, y);
                const QRgb seen = scene.pixel(x + 8, y + 8) | 0xff000000;
                EXPECT_EQ(seen, qAlpha(own) == 0 ? ground : own) << frame << ": " << x << "," << y;
            }
        }
    }
}

TEST(InvaderPictures, RejectsUnknownColoursAndFrames) {
    EXPECT_THROW(InvaderPicture(4, 0), std::out_of_range);
    EXPECT_THROW(InvaderPicture(-1, 0), std::out_of_range);
    EXPECT_THROW(InvaderPicture(0, 3), std::out_of_range);
}
