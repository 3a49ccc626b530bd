// How a newly chosen colour reaches everything that shows it: the current colour, the strip,
// the value fields, the palette marker, the target's swatch and hex holder and both page texts.

#include <QComboBox>
#include <QLineEdit>

#include "picker/FieldText.h"
#include "picker/frmMain.h"

const frmMain::Target* frmMain::currentTarget() const {
    const QString text = Combo->currentText();
    for (const Target& target : targets_)
        if (text == QLatin1String(target.name))
            return &target;
    return nullptr;
}

void frmMain::setSwatchColour(const Target& target, int32_t colour) {
    if (target.holder == backC)
        BGColor->setBackColor(colour);
    else if (target.holder == textC)
        TextColor->setForeColor(colour);
    else if (target.holder == linkC)
        LinkColor->setForeColor(colour);
    else if (target.holder == alinkC)
        ALinkColor->setForeColor(colour);
    else if (target.holder == vlinkC)
        VLinkColor->setForeColor(colour);
}

int32_t frmMain::swatchColour(const Target& target) const {
    if (target.holder == backC)
        return BGColor->BackColor();
    if (target.holder == textC)
        return TextColor->ForeColor();
    if (target.holder == linkC)
        return LinkColor->ForeColor();
    if (target.holder == alinkC)
        return ALinkColor->ForeColor();
    return VLinkColor->ForeColor();
}

void frmMain::ApplyToTarget(int32_t colour) {
    const Target* target = currentTarget();
    if (!target)
        return;
    setSwatchColour(*target, colour);
    const QString hex = ColorToHex(colour);
    setTextIfChanged(target->holder, hex);
    BuildPageCode();
}

void frmMain::ApplyHSBFields() {
    const int32_t h = FieldInteger(txtHue->text());
    const int32_t s = FieldInteger(txtSat->text());
    const int32_t b = FieldInteger(txtBri->text());
    lblCurrColor->setBackColor(converter_.HSBToRGB(converter_.HSBToLong(h, s, b)));
    const int32_t colour = lblCurrColor->BackColor();
    DrawBrightnessStrip(colour);
    ShowRGBAndHex(colour);
    MarkColorCell(colour);
    ApplyToTarget(colour);
}

void frmMain::ApplyRGBFields() {
    const int32_t r = FieldInteger(txtRed->text());
    const int32_t g = FieldInteger(txtGreen->text());
    const int32_t b = FieldInteger(txtBlue->text());
    // Pasted text is only checked at the next key release; keep a component that was never
    // checked inside its byte so that it cannot spill into the others.
    lblCurrColor->setBackColor(converter_.RGBToLong(r, g, b));
    const int32_t colour = lblCurrColor->BackColor();
    DrawBrightnessStrip(colour);
    ShowHSBAndHex(colour);
    MarkColorCell(colour);
    ApplyToTarget(colour);
}

void frmMain::ApplyHexField() {
    QString copy = txtHex->text();
    lblCurrColor->setBackColor(HexToColor(copy));
    const int32_t colour = lblCurrColor->BackColor();
    DrawBrightnessStrip(colour);
    ShowHSBAndRGB(colour);
    MarkColorCell(colour);
    ApplyToTarget(colour);
}
