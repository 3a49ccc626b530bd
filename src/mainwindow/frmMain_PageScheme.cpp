// The page scheme: choosing the target that receives picked colours, the swatch clicks, and
// the font and size of the sample lines.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "mainwindow/frmMain.h"
#include "page/SampleLabel.h"
#include "picker/FieldText.h"

void frmMain::Combo_Click() {
    const Target* target = currentTarget();
    if (!target)
        return;
    QString holder = target->holder->text();
    setSwatchColor(*target, HexToColor(holder));
    lblCurrColor->setBackColor(swatchColor(*target));
    DrawBrightnessStrip(lblCurrColor->BackColor());
    ShowColorValues(lblCurrColor->BackColor());
    NewColorCode->setText(QLatin1String(target->caption));
    UpdateContrastReadouts();
}

// A click on a swatch makes its target the text of Combo, without running Combo_Click.
void frmMain::BGColor_Click() {
    Combo->setEditText(QLatin1String(targetOfSwatch(BGColor).name));
}
void frmMain::TextColor_Click() {
    Combo->setEditText(QLatin1String(targetOfSwatch(TextColor).name));
}
void frmMain::LinkColor_Click() {
    Combo->setEditText(QLatin1String(targetOfSwatch(LinkColor).name));
}
void frmMain::VLinkColor_Click() {
    Combo->setEditText(QLatin1String(targetOfSwatch(VLinkColor).name));
}
void frmMain::ALinkColor_Click() {
    Combo->setEditText(QLatin1String(targetOfSwatch(ALinkColor).name));
}

const frmMain::Target& frmMain::targetOfSwatch(const QWidget* swatch) const {
    for (const Target& target : targets_)
        if (swatch == target.backSwatch || swatch == target.foreSwatch)
            return target;
    Q_UNREACHABLE();
}

void frmMain::Fonts_Click() {
    const QString family = Fonts->currentText();
    for (SampleLabel* sample : {TextColor, LinkColor, ALinkColor, VLinkColor}) {
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
    for (SampleLabel* sample : {TextColor, LinkColor, ALinkColor, VLinkColor}) {
        QFont font = sample->font();
        font.setPointSizeF(size);
        sample->setFont(font);
    }
}
