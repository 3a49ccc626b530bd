// The brightness strip of the main window: the variants of a base colour from full brightness
// at the top to black, and picking a variant by sliding over it with the left button held.

#include "mainwindow/frmMain.h"
#include "picker/AccessibleNames.h"
#include "picker/BrightnessStrip.h"

void frmMain::DrawBrightnessStrip(int32_t baseColor) {
    const int32_t hsb = converter_.RGBToHSB(baseColor);
    const int32_t h = converter_.hue(hsb);
    const int32_t s = converter_.Saturation(hsb);
    const int l = picBrightness->ScaleHeight();
    for (int y = 0; y <= l; y += 2) {
        const int32_t color = converter_.HSBToRGB(converter_.HSBToLong(h, s, 120 - y));
        picBrightness->drawRow(y, color);
        picBrightness->drawRow(y - 1, color);
    }
    picBrightness->setAccessibleName(BrightnessStripAccessibleName(baseColor));
    picBrightness->update();
}

void frmMain::picBrightness_MouseMove(int Button, int, float X, float Y) {
    if (X > 55)
        X = 55;
    if (X < 0)
        X = 0;
    if (Y > 185)
        Y = 185;
    if (Y < 0)
        Y = 0;
    if (Button != 1)
        return;
    const int32_t picked = picBrightness->Point(static_cast<int>(X), static_cast<int>(Y));
    lblCurrColor->setBackColor(picked);
    ShowColorValues(picked);
    MarkColorCell(picked);
    ApplyToTarget(picked);
}
