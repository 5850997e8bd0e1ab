#pragma once

#include <QImage>
#include <QPoint>
#include <initializer_list>
#include <span>
#include <string_view>

// One character of a text picture and the colour it stands for.
struct PixelInk {
    char key;
    QRgb rgb;
};

// Paints rows of text onto an image, one character per pixel, top-left at `at`. '.' leaves the
// pixel as it is; any other character must have an ink, so a typo in the art fails loudly.
void DrawPixelArt(QImage& image, QPoint at, std::span<const std::string_view> rows,
                  std::initializer_list<PixelInk> inks);

// A transparent ARGB32 image of the given size.
QImage TransparentImage(int width, int height);
