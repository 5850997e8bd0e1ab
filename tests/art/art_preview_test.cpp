#include <gtest/gtest.h>

#include <QDir>
#include <QPainter>

#include "art/field_background.h"
#include "art/icons.h"
#include "art/sprites.h"

// Not a check: with TEZRA_ART_PREVIEW set to a folder, writes enlarged sheets of every picture
// there so a person can look at them.
TEST(ArtPreview, WritesSheetsWhenAskedTo) {
    const QString folder = qEnvironmentVariable("TEZRA_ART_PREVIEW");
    if (folder.isEmpty()) {
        GTEST_SKIP() << "set TEZRA_ART_PREVIEW to a folder to write the preview sheets";
    }
    ASSERT_TRUE(QDir().mkpath(folder));
    const int zoom = 8;
    const int cell = kSpriteSize * zoom + 16;
    QImage sheet(cell * 3 + 16, cell * 4 + 16, QImage::Format_RGB32);
    sheet.fill(qRgb(20, 20, 40));
    {
        QPainter painter(&sheet);
        for (int colour = 0; colour < kInvaderColours; ++colour) {
            for (int frame = 0; frame < kInvaderFrames; ++frame) {
                const QImage big =
                    InvaderPicture(colour, frame).scaled(kSpriteSize * zoom, kSpriteSize * zoom);
                painter.drawImage(16 + frame * cell, 16 + colour * cell, big);
            }
        }
    }
    EXPECT_TRUE(sheet.save(folder + "/sprites.png"));
    EXPECT_TRUE(FieldBackground().save(folder + "/field.png"));
    EXPECT_TRUE(FieldBackground().scaled(631 * 2, 350 * 2).save(folder + "/field_x2.png"));

    QImage icons(kBannerWidth * 2 + 32, 260, QImage::Format_RGB32);
    icons.fill(Qt::white);
    {
        QPainter painter(&icons);
        painter.fillRect(0, 0, icons.width(), 64, Qt::black);
        for (int colour = 0; colour < kInvaderColours; ++colour) {
            painter.drawImage(
                16 + colour * 100, 8,
                SmallInvaderIcon(colour).scaled(kSmallIconWidth * 3, kSmallIconHeight * 3));
        }
        painter.drawImage(16, 80, DialogInvaderIcon().scaled(96, 96));
        painter.drawImage(16, 190, TitleBanner().scaled(kBannerWidth * 2, kBannerHeight * 2));
        painter.drawImage(130, 80, DialogInvaderIcon());
        painter.drawImage(180, 80, TitleBanner());
    }
    EXPECT_TRUE(icons.save(folder + "/icons.png"));
}
