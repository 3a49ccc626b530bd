#include "picker/AccessibleNames.h"

#include "colour/HexColor.h"
#include "picker/PaletteLayout.h"

#include <QLatin1StringView>

using L = QLatin1StringView;

QString PaletteCellAccessibleName(int index, int32_t color) {
    return QStringLiteral("%1, row %2, column %3")
        .arg(ColorToHex(color & 0xFFFFFF))
        .arg(index / PaletteColumns + 1)
        .arg(index % PaletteColumns + 1);
}

QString BrightnessStripAccessibleName(int32_t base) {
    return L("Brightness variants of ") + ColorToHex(base & 0xFFFFFF);
}

QString NewColorAccessibleName(int32_t color) {
    return L("New Color ") + ColorToHex(color & 0xFFFFFF);
}

QString OldColorAccessibleName(int32_t color) {
    return L("Old Color ") + ColorToHex(color & 0xFFFFFF);
}
