// The main window's colour-scheme files: opening a scheme and saving the current one.

#include <QFileInfo>
#include <QLineEdit>

#include "files/SchemeFile.h"
#include "mainwindow/frmMain.h"
#include "page/SampleLabel.h"
#include "picker/FieldText.h"
#include "platform/Platform.h"

namespace {
const QString SchemeFilter = QStringLiteral("Tintara Files - (*.tnx)|*.tnx;");
} // namespace

bool frmMain::readSchemeInto(const QString& path, QString* error) {
    QByteArray content;
    if (!platform_.ReadFile(path, &content, error))
        return false;
    const Scheme scheme = ReadScheme(content);
    const PageColors& colors = scheme.colors;
    for (auto [holder, text] : {std::pair{backC, colors.backC},
                                {textC, colors.textC},
                                {linkC, colors.linkC},
                                {vlinkC, colors.vlinkC},
                                {alinkC, colors.alinkC}})
        holder->setText(text);
    QLineEdit* const headers[] = {backheader, textheader, linkheader, vlinkheader, alinkheader};
    for (size_t i = 0; i < scheme.headers.size(); ++i)
        headers[i]->setText(scheme.headers[i]);
    return true;
}

void frmMain::loadSchemeColors() {
    // The sample lines first, then the swatch from the background text in the hex field.
    for (const Target& target : targets_) {
        if (!target.foreSwatch)
            continue;
        QString text = target.holder->text();
        setSwatchColor(target, HexToColor(text));
    }
    QString back = txtHex->text();
    BGColor->setBackColor(HexToColor(back));
}

void frmMain::showSchemeCaption(const QString& fileTitle) {
    schemeTitle_ = fileTitle;
    setWindowTitle(QStringLiteral("Tintara - [") + fileTitle + QLatin1Char(']'));
}

void frmMain::mnuOpen_scheme_Click() {
    CD1.DialogTitle = QStringLiteral("Opening Tintara File");
    CD1.InitDir = platform_.TemplatesFolder();
    CD1.FileName.clear();
    CD1.Filter = SchemeFilter;
    if (!CD1.ShowOpen())
        return;
    OpenSchemeFile(CD1.FileName);
}

void frmMain::OpenSchemeFile(const QString& path) {
    // Read the whole file first: a file that cannot be read leaves the scheme as it was.
    QString error;
    if (!readSchemeInto(path, &error)) {
        showWarning(
            QStringLiteral("The color scheme \"%1\" could not be opened.\n%2").arg(path, error));
        return;
    }
    const QString fileTitle = QFileInfo(path).fileName();
    LastFile->setText(fileTitle);
    BuildPageCode();
    txtHex->setText(backC->text());
    loadSchemeColors();
    lblCurrColor->setBackColor(BGColor->BackColor());
    const int32_t color = lblCurrColor->BackColor();
    DrawBrightnessStrip(color);
    writeHSBFields(color);
    writeRGBFields(color);
    writeHexFieldAndHolder(color, false);
    txtHex2->setText(QStringLiteral("000000"));
    showSchemeCaption(fileTitle);
}

void frmMain::mnuSave_Scheme_Click() {
    CD1.DialogTitle = QStringLiteral("Saving Tintara Scheme");
    CD1.Flags = CommonDialog::OverwritePrompt | CommonDialog::HideReadOnly;
    CD1.InitDir = platform_.TemplatesFolder();
    CD1.FileName.clear();
    CD1.Filter = SchemeFilter;
    if (!CD1.ShowSave())
        return;
    QString error;
    if (!platform_.WriteFileAtomic(CD1.FileName, SchemeFileText(pageColors()), &error)) {
        showWarning(QStringLiteral("The color scheme could not be saved as \"%1\".\n%2")
                        .arg(CD1.FileName, error));
        return;
    }
    showSchemeCaption(CD1.FileTitle);
}
