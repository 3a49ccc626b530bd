#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <cmath>

// Window geometry is designed in twips; the screen works in pixels, 15 twips to the pixel.
inline constexpr int TwipsPerPixel = 15;

constexpr int twipsToPixels(int twips) {
    // Nearest pixel; twips are never negative in the window design.
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}
constexpr int pixelsToTwips(int pixels) { return pixels * TwipsPerPixel; }

constexpr QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}
