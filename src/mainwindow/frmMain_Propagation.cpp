// How a newly chosen colour reaches everything that shows it: the current colour, the strip,
// the value fields, the palette marker, the target's swatch and hex holder and both page texts.

#include <QComboBox>
#include <QLineEdit>

#include "mainwindow/frmMain.h"
#include "page/SampleLabel.h"
#include "picker/FieldText.h"
#include "picker/TextBox.h"

const frmMain::Target* frmMain::currentTarget() const {
    const QString text = Combo->currentText();
    for (const Target& target : targets_)
        if (text == QLatin1String(target.name))
            return &target;
    return nullptr;
}

void frmMain::setSwatchColor(const Target& target, int32_t color) {
    if (target.backSwatch)
        target.backSwatch->setBackColor(color);
    else
        target.foreSwatch->setForeColor(color);
}

int32_t frmMain::swatchColor(const Target& target) const {
    return target.backSwatch ? target.backSwatch->BackColor() : target.foreSwatch->ForeColor();
}

void frmMain::ApplyToTarget(int32_t color) {
    const Target* target = currentTarget();
    if (!target)
        return;
    setSwatchColor(*target, color);
    const QString hex = ColorToHex(color);
    setTextIfChanged(target->holder, hex);
    BuildPageCode();
}

void frmMain::ApplyHSBFields() {
    const int32_t h = FieldInteger(txtHue->text());
    const int32_t s = FieldInteger(txtSat->text());
    const int32_t b = FieldInteger(txtBri->text());
    lblCurrColor->setBackColor(converter_.HSBToRGB(converter_.HSBToLong(h, s, b)));
    const int32_t color = lblCurrColor->BackColor();
    DrawBrightnessStrip(color);
    ShowRGBAndHex(color);
    MarkColorCell(color);
    ApplyToTarget(color);
}

void frmMain::ApplyRGBFields() {
    const int32_t r = FieldInteger(txtRed->text());
    const int32_t g = FieldInteger(txtGreen->text());
    const int32_t b = FieldInteger(txtBlue->text());
    // Pasted text is only checked at the next key release; keep a component that was never
    // checked inside its byte so that it cannot spill into the others.
    lblCurrColor->setBackColor(converter_.RGBToLong(r, g, b));
    const int32_t color = lblCurrColor->BackColor();
    DrawBrightnessStrip(color);
    ShowHSBAndHex(color);
    MarkColorCell(color);
    ApplyToTarget(color);
}

void frmMain::ApplyHexField() {
    QString copy = txtHex->text();
    lblCurrColor->setBackColor(HexToColor(copy));
    const int32_t color = lblCurrColor->BackColor();
    DrawBrightnessStrip(color);
    ShowHSBAndRGB(color);
    MarkColorCell(color);
    ApplyToTarget(color);
}
