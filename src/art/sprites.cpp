#include "art/sprites.h"

#include <array>
#include <stdexcept>

#include "art/invader_art.h"
#include "art/pixel_art.h"
#include "state/game_state.h"

QRgb InvaderColour(int colour) {
    static constexpr std::array<QRgb, kInvaderColours> kColours = {
        qRgb(255, 0, 0), qRgb(255, 255, 0), qRgb(0, 255, 0), qRgb(0, 255, 255)};
    if (colour < 0 || colour >= kInvaderColours) {
        throw std::out_of_range("no such invader colour");
    }
    return kColours[colour];
}

QImage InvaderPicture(int colour, int frame) {
    const InvaderFigure& figure = InvaderFigureFor(frame);
    QImage picture = TransparentImage(kSpriteSize, kSpriteSize);
    DrawPixelArt(picture, figure.origin, figure.rows,
                 {{'#', InvaderColour(colour)}, {'o', qRgb(0, 0, 0)}});
    return picture;
}

void FillInvaderPictures(GameState& state) {
    for (int colour = 0; colour < kInvaderColours; ++colour) {
        for (int frame = 0; frame < kInvaderFrames; ++frame) {
            state.gInvPictures[colour][frame] = InvaderPicture(colour, frame);
        }
    }
}
