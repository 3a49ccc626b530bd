#pragma once

// Packed RGB colours (red in the low byte) as Qt paints and reads them.

#include <QColor>
#include <cstdint>

#include "colour/ColorConverter.h"

inline QColor colorFromPacked(int32_t color) {
    const RgbChannels c = SplitPacked(color);
    return QColor(c.red, c.green, c.blue);
}

inline int32_t packedFromRgb(QRgb rgb) {
    return PackRgb(qRed(rgb), qGreen(rgb), qBlue(rgb));
}
