// Taking the colours out of the window: the current colour copied as CSS values (hex, rgb(),
// hsl(), oklch()), the scheme copied as a CSS block, and the scheme exported as a GIMP palette,
// CSS or design tokens. The scheme files themselves are left as they are.

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>

#include "colour/ColorFormats.h"
#include "colour/OkLab.h"
#include "mainwindow/frmMain.h"
#include "platform/Platform.h"

void frmMain::copyText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

void frmMain::mnuCopyHex_Click() {
    copyText(HexColorText(lblCurrColor->BackColor()));
}

void frmMain::mnuCopyRGB_Click() {
    copyText(CssRgbText(lblCurrColor->BackColor()));
}

void frmMain::mnuCopyHSL_Click() {
    copyText(CssHslText(lblCurrColor->BackColor()));
}

void frmMain::mnuCopyOKLCH_Click() {
    copyText(OklchText(lblCurrColor->BackColor()));
}

void frmMain::mnuCopyScheme_Click() {
    copyText(CssSchemeBlock(pageColors()));
}

void frmMain::mnuCopySchemeDark_Click() {
    copyText(CssSchemeBlockWithDarkVariant(pageColors()));
}

void frmMain::mnuExport_Scheme_Click() {
    // The scheme's name: that of its file, or before one is named, that of the export file.
    const QString schemeName = QFileInfo(schemeTitle_).completeBaseName();
    CD1.DialogTitle = QStringLiteral("Exporting Color Scheme");
    CD1.Flags = CommonDialog::OverwritePrompt | CommonDialog::HideReadOnly |
                CommonDialog::AddFilterExtension;
    CD1.InitDir = platform_.HtmlDocsFolder();
    CD1.FileName = schemeName;
    CD1.Filter = ExportFilter();
    if (!CD1.ShowSave())
        return;
    const ExportTarget target = ChooseExportTarget(CD1.FileName, CD1.FilterIndex);
    const QString name =
        schemeName.isEmpty() ? QFileInfo(target.path).completeBaseName() : schemeName;
    QString error;
    if (!platform_.WriteFileAtomic(target.path, ExportFileBytes(target.format, pageColors(), name),
                                   &error))
        showWarning(QStringLiteral("The color scheme could not be exported as \"%1\".\n%2")
                        .arg(target.path, error));
}
