#pragma once

#include <QRect>

// Window geometry is designed in twips; the screen works in pixels, 15 twips to the pixel.
// Every conversion goes through these functions.
inline constexpr int TwipsPerPixel = 15;

// The design counts a window's height with its title bar and borders; the window system adds
// them outside the geometry that the program sets, so the program subtracts this allowance.
// With it the closed window ends just above the code area and the open one shows the whole
// design client area below the menu bar.
inline constexpr int WindowFramePixels = 32;

// Nearest pixel (halves away from zero).
constexpr int twipsToPixels(int twips) {
    return twips >= 0 ? (twips + TwipsPerPixel / 2) / TwipsPerPixel
                      : -((-twips + TwipsPerPixel / 2) / TwipsPerPixel);
}
constexpr int pixelsToTwips(int pixels) {
    return pixels * TwipsPerPixel;
}

constexpr QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}
constexpr QRect twipsRect(const QRect& twips) {
    return twipsRect(twips.x(), twips.y(), twips.width(), twips.height());
}
