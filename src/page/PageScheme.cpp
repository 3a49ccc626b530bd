// The page scheme: choosing the target that receives picked colours, the swatch clicks, and
// the font and size of the sample lines.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "picker/FieldText.h"
#include "picker/frmMain.h"

void frmMain::Combo_Click() {
    const Target* target = currentTarget();
    if (!target)
        return;
    QString holder = target->holder->text();
    setSwatchColour(*target, HexToColor(holder));
    lblCurrColor->setBackColor(swatchColour(*target));
    DrawBrightnessStrip(lblCurrColor->BackColor());
    ShowColorValues(lblCurrColor->BackColor());
    NewColorCode->setText(QLatin1String(target->caption));
}

void frmMain::BGColor_Click() {
    Combo->setEditText(QStringLiteral("Background Color"));
}
void frmMain::TextColor_Click() {
    Combo->setEditText(QStringLiteral("Text Color"));
}
void frmMain::LinkColor_Click() {
    Combo->setEditText(QStringLiteral("Link Color"));
}
void frmMain::VLinkColor_Click() {
    Combo->setEditText(QStringLiteral("VLink Color"));
}
void frmMain::ALinkColor_Click() {
    Combo->setEditText(QStringLiteral("ALink Color"));
}

void frmMain::Fonts_Click() {
    const QString family = Fonts->currentText();
    for (QLabel* sample : {static_cast<QLabel*>(TextColor), static_cast<QLabel*>(LinkColor),
                           static_cast<QLabel*>(ALinkColor), static_cast<QLabel*>(VLinkColor)}) {
        QFont font = sample->font();
        font.setFamily(family);
        sample->setFont(font);
    }
}

void frmMain::Fonts2_Click() {
    bool ok = false;
    const float size = Fonts2->currentText().toFloat(&ok);
    if (!ok || size <= 0)
        return;
    for (QLabel* sample : {static_cast<QLabel*>(TextColor), static_cast<QLabel*>(LinkColor),
                           static_cast<QLabel*>(ALinkColor), static_cast<QLabel*>(VLinkColor)}) {
        QFont font = sample->font();
        font.setPointSizeF(size);
        sample->setFont(font);
    }
}
