// Saving the page of the selected tab as an HTML file, and previewing it through a temporary
// page in the folder Temp.

#include <QTabBar>
#include <QUrl>

#include "files/PageFile.h"
#include "mainwindow/frmMain.h"
#include "page/PageTextBox.h"
#include "platform/Platform.h"

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
        showWarning(QStringLiteral("The temporary folder \"%1\" could not be removed.\n%2")
                        .arg(path, error));
}

void frmMain::PreviewPage_Click() {
    const QString folder = platform_.TempFolder();
    const QString path = folder + QStringLiteral("/tmp.html");
    QString error;
    if (!CreateTempFolder(&error)) {
        showWarning(QStringLiteral("The preview folder \"%1\" could not be created.\n%2")
                        .arg(folder, error));
        return;
    }
    if (!platform_.WriteFileAtomic(path, PageFileBytes(selectedPageText()), &error)) {
        showWarning(
            QStringLiteral("The preview page \"%1\" could not be written.\n%2").arg(path, error));
        return;
    }
    if (!preview_.Show(QUrl::fromLocalFile(path), &error))
        showWarning(QStringLiteral("The preview could not be shown.\n%1").arg(error));
}

void frmMain::SavePage_Click() {
    CD1.DialogTitle = QStringLiteral("Saving HTML File");
    CD1.Flags = CommonDialog::OverwritePrompt | CommonDialog::HideReadOnly;
    CD1.InitDir = platform_.HtmlDocsFolder();
    CD1.FileName.clear();
    CD1.Filter = QStringLiteral("HTML Files - (*.html)|*.html;");
    if (!CD1.ShowSave())
        return;
    QString error;
    if (!platform_.WriteFileAtomic(CD1.FileName, PageFileBytes(selectedPageText()), &error)) {
        showWarning(QStringLiteral("Your HTML page could not be saved as \"%1\".\n%2")
                        .arg(CD1.FileName, error));
        return;
    }
    platform_.ShowMessage(this,
                          QStringLiteral("Your HTML page ") + CD1.FileTitle +
                              QStringLiteral(" has been saved in...") + QStringLiteral("\r\n") +
                              CD1.FileName,
                          ProgramTitle, MessageIcon::None);
}
