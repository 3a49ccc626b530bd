// Saving the page of the selected tab as an HTML file, and previewing it through a temporary
// page in the folder Temp.

#include <QTabBar>
#include <QUrl>

#include "picker/frmMain.h"
#include "platform/Platform.h"

namespace {

const QString Caption = QStringLiteral("Tintara");

// The page as file bytes, followed by CR LF. Pages are single-byte text; a character beyond
// Latin-1 that the user typed into the code view is written as a numeric character reference,
// which a browser shows as the same character.
QByteArray pageFileBytes(const QString& page) {
    QByteArray bytes;
    bytes.reserve(page.size() + 2);
    for (char32_t c : page.toUcs4()) {
        if (c < 256)
            bytes.append(static_cast<char>(c));
        else
            bytes.append("&#").append(QByteArray::number(static_cast<uint>(c))).append(';');
    }
    bytes.append("\r\n");
    return bytes;
}

} // namespace

QString frmMain::selectedPageText() const {
    return TabMain->tabText(TabMain->currentIndex()) == QLatin1String("CSS HTML Page")
               ? CSSString->PageText()
               : BodyString->PageText();
}

bool frmMain::CreateTempFolder(QString* error) {
    const QString path = platform_.TempFolder();
    if (platform_.FolderExists(path))
        return true;
    return platform_.CreateFolder(path, error);
}

void frmMain::DeleteTempFolder() {
    const QString path = platform_.TempFolder();
    if (!platform_.FolderExists(path))
        return;
    QString error;
    if (!platform_.DeleteFolder(path, &error))
        platform_.ShowMessage(
            this,
            QStringLiteral("The temporary folder \"%1\" could not be removed.\n%2")
                .arg(path, error),
            Caption, MessageIcon::Warning);
}

void frmMain::PreviewPage_Click() {
    const QString folder = platform_.TempFolder();
    const QString path = folder + QStringLiteral("/tmp.html");
    QString error;
    if (!CreateTempFolder(&error)) {
        platform_.ShowMessage(this,
                              QStringLiteral("The preview folder \"%1\" could not be created.\n%2")
                                  .arg(folder, error),
                              Caption, MessageIcon::Warning);
        return;
    }
    if (!platform_.WriteFileAtomic(path, pageFileBytes(selectedPageText()), &error)) {
        platform_.ShowMessage(
            this,
            QStringLiteral("The preview page \"%1\" could not be written.\n%2").arg(path, error),
            Caption, MessageIcon::Warning);
        return;
    }
    if (!preview_.Show(QUrl::fromLocalFile(path), &error))
        platform_.ShowMessage(this,
                              QStringLiteral("The preview could not be shown.\n%1").arg(error),
                              Caption, MessageIcon::Warning);
}

void frmMain::SavePage_Click() {
    CD1.CancelError = true;
    CD1.DialogTitle = QStringLiteral("Saving HTML File");
    CD1.Flags = CommonDialog::OverwritePrompt | CommonDialog::HideReadOnly;
    CD1.InitDir = platform_.HtmlDocsFolder();
    CD1.FileName.clear();
    CD1.Filter = QStringLiteral("HTML Files - (*.html)|*.html;");
    if (!CD1.ShowSave())
        return;
    QString error;
    if (!platform_.WriteFileAtomic(CD1.FileName, pageFileBytes(selectedPageText()), &error)) {
        platform_.ShowMessage(this,
                              QStringLiteral("Your HTML page could not be saved as \"%1\".\n%2")
                                  .arg(CD1.FileName, error),
                              Caption, MessageIcon::Warning);
        return;
    }
    platform_.ShowMessage(this,
                          QStringLiteral("Your HTML page ") + CD1.FileTitle +
                              QStringLiteral(" has been saved in...") + QStringLiteral("\r\n") +
                              CD1.FileName,
                          Caption, MessageIcon::None);
}
