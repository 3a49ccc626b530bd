// Colour-scheme files (open and save) and the settings file that remembers the last scheme.

#include <QLineEdit>

#include "files/SchemeFile.h"
#include "files/modINIFileFunc.h"
#include "picker/FieldText.h"
#include "picker/frmMain.h"
#include "platform/Platform.h"

namespace {
const QString SchemeFilter = QStringLiteral("Tintara Files - (*.tnx)|*.tnx;");
const QString Caption = QStringLiteral("Tintara");
} // namespace

bool frmMain::readSchemeInto(const QString& path, QString* error) {
    QByteArray content;
    if (!platform_.ReadFile(path, &content, error))
        return false;
    const SchemeLines lines = ReadSchemeLines(content);
    QLineEdit* const into[SchemeLineCount] = {backheader,  backC, textheader,  textC,
                                              linkheader,  linkC, vlinkheader, vlinkC,
                                              alinkheader, alinkC};
    for (int i = 0; i < SchemeLineCount; ++i)
        into[i]->setText(lines[i]);
    return true;
}

void frmMain::loadSchemeColours() {
    QString text = textC->text();
    TextColor->setForeColor(HexToColor(text));
    QString link = linkC->text();
    LinkColor->setForeColor(HexToColor(link));
    QString vlink = vlinkC->text();
    VLinkColor->setForeColor(HexToColor(vlink));
    QString alink = alinkC->text();
    ALinkColor->setForeColor(HexToColor(alink));
    QString back = txtHex->text();
    BGColor->setBackColor(HexToColor(back));
}

void frmMain::mnuOpen_scheme_Click() {
    CD1.CancelError = true;
    CD1.DialogTitle = QStringLiteral("Opening Tintara File");
    CD1.InitDir = templatesFolder();
    CD1.FileName.clear();
    CD1.Filter = SchemeFilter;
    if (!CD1.ShowOpen())
        return;
    // Read the whole file first: a file that cannot be read leaves the scheme as it was.
    QString error;
    if (!readSchemeInto(CD1.FileName, &error)) {
        platform_.ShowMessage(this,
                              QStringLiteral("The color scheme \"%1\" could not be opened.\n%2")
                                  .arg(CD1.FileName, error),
                              Caption, MessageIcon::Warning);
        return;
    }
    LastFile->setText(CD1.FileTitle);
    BuildPageCode();
    txtHex->setText(backC->text());
    loadSchemeColours();
    lblCurrColor->setBackColor(BGColor->BackColor());
    const int32_t colour = lblCurrColor->BackColor();
    DrawBrightnessStrip(colour);
    writeHSBFields(colour);
    writeRGBFields(colour);
    writeHexFieldAndHolder(colour, false);
    txtHex2->setText(QStringLiteral("000000"));
    setWindowTitle(QStringLiteral("Tintara - [") + CD1.FileTitle + QLatin1Char(']'));
}

void frmMain::mnuSave_Scheme_Click() {
    CD1.CancelError = true;
    CD1.DialogTitle = QStringLiteral("Saving Tintara Scheme");
    CD1.Flags = CommonDialog::OverwritePrompt | CommonDialog::HideReadOnly;
    CD1.InitDir = templatesFolder();
    CD1.FileName.clear();
    CD1.Filter = SchemeFilter;
    if (!CD1.ShowSave())
        return;
    const QByteArray content =
        SchemeFileText(backC->text(), textC->text(), linkC->text(), vlinkC->text(), alinkC->text());
    QString error;
    if (!platform_.WriteFileAtomic(CD1.FileName, content, &error)) {
        platform_.ShowMessage(this,
                              QStringLiteral("The color scheme could not be saved as \"%1\".\n%2")
                                  .arg(CD1.FileName, error),
                              Caption, MessageIcon::Warning);
        return;
    }
    setWindowTitle(QStringLiteral("Tintara - [") + CD1.FileTitle + QLatin1Char(']'));
}

void frmMain::LoadSettings() {
    LastFile->setText(ReadIniValue(platform_, platform_.SettingsFile(), QStringLiteral("Settings"),
                                   QStringLiteral("LastFile"), QStringLiteral("False")));
}

void frmMain::SaveSettings() {
    // A settings file that cannot be written only means the next start does not reopen the
    // scheme; closing goes on.
    WriteIniValue(platform_, platform_.SettingsFile(), QStringLiteral("Settings"),
                  QStringLiteral("LastFile"), LastFile->text());
}
