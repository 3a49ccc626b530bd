// The seven value fields: hue/saturation/brightness, red/green/blue and the hex code, their
// limits and their key and focus handlers.

#include <QLineEdit>

#include "mainwindow/frmMain.h"
#include "picker/FieldText.h"
#include "picker/TextBox.h"

void frmMain::writeHSBFields(int32_t color) {
    const int32_t hsb = converter_.RGBToHSB(color);
    setTextIfChanged(txtHue, QString::number(converter_.hue(hsb)));
    setTextIfChanged(txtSat, QString::number(converter_.Saturation(hsb)));
    setTextIfChanged(txtBri, QString::number(converter_.brightness(hsb)));
}

void frmMain::writeRGBFields(int32_t color) {
    setTextIfChanged(txtRed, QString::number(converter_.Red(color)));
    setTextIfChanged(txtGreen, QString::number(converter_.Green(color)));
    setTextIfChanged(txtBlue, QString::number(converter_.Blue(color)));
}

void frmMain::writeHexFieldAndHolder(int32_t color, bool holder) {
    const QString hex = ColorToHex(color);
    setTextIfChanged(txtHex, hex);
    if (!holder)
        return;
    if (const Target* target = currentTarget())
        setTextIfChanged(target->holder, hex);
}

void frmMain::ShowColorValues(int32_t color) {
    writeHSBFields(color);
    writeRGBFields(color);
    writeHexFieldAndHolder(color, true);
}

void frmMain::ShowRGBAndHex(int32_t color) {
    writeRGBFields(color);
    writeHexFieldAndHolder(color, true);
}

void frmMain::ShowHSBAndHex(int32_t color) {
    writeHSBFields(color);
    writeHexFieldAndHolder(color, true);
}

void frmMain::ShowHSBAndRGB(int32_t color) {
    writeHSBFields(color);
    writeRGBFields(color);
}

void frmMain::SelectAllText(QLineEdit* box) {
    box->setSelection(0, box->text().size());
}

void frmMain::ClampField(QLineEdit* box, int maximum, int minimum) {
    const QString text = box->text();
    const QString checked = ClampFieldText(text, maximum, minimum);
    if (checked != text)
        box->setText(checked);
}

void frmMain::txtHue_KeyUp() {
    ClampField(txtHue, 360, 0);
    ApplyHSBFields();
}

void frmMain::txtSat_KeyUp() {
    ClampField(txtSat, 100, 0);
    ApplyHSBFields();
}

void frmMain::txtBri_KeyUp() {
    ClampField(txtBri, 100, 0);
    ApplyHSBFields();
}

void frmMain::txtRed_KeyUp() {
    ClampField(txtRed, 255, 0);
    ApplyRGBFields();
}

void frmMain::txtGreen_KeyUp() {
    ClampField(txtGreen, 255, 0);
    ApplyRGBFields();
}

void frmMain::txtBlue_KeyUp() {
    ClampField(txtBlue, 255, 0);
    ApplyRGBFields();
}

void frmMain::txtHex_KeyUp() {
    ApplyHexField();
}

void frmMain::txtHex_LostFocus() {
    const QString padded = PadHex(txtHex->text());
    if (padded != txtHex->text())
        txtHex->setText(padded);
}
