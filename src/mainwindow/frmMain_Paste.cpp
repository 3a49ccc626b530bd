// Colours taken in as CSS text: the clipboard's text pasted with Paste Color, or text dropped
// onto the New Color box, the sample display or the palette. A text that is one colour is
// applied as if its six hex digits had been typed into txtHex; anything else is refused with a
// message and changes nothing.

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>

#include "colour/Contrast.h"
#include "colour/CssColor.h"
#include "mainwindow/frmMain.h"
#include "picker/FieldText.h"
#include "platform/TextDrops.h"

void frmMain::buildColorDrops() {
    auto* drops = new TextDropWatcher(this);
    for (QWidget* control : {static_cast<QWidget*>(lblCurrColor), static_cast<QWidget*>(BGColor),
                             static_cast<QWidget*>(PicFrame)})
        drops->watch(control);
    connect(drops, &TextDropWatcher::dropped, this,
            [this](const QString& text) { ApplyColorText(text, ColorTextSource::Drop); });
}

void frmMain::mnuPasteColor_Click() {
    ApplyColorText(QGuiApplication::clipboard()->text(), ColorTextSource::Clipboard);
}

// A colour that is not opaque is laid over the page's background, as a browser shows it.
void frmMain::ApplyColorText(const QString& text, ColorTextSource source) {
    const std::optional<int32_t> color = ParseCssColor(text, HolderColor(backC->text()));
    if (!color) {
        showWarning(UnusableColorMessage(text, source));
        return;
    }
    typeHexColor(*color);
}

void frmMain::typeHexColor(int32_t color) {
    txtHex->setText(ColorToHex(color & 0xFFFFFF));
    txtHex_KeyUp();
}
