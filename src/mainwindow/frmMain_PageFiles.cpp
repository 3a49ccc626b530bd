// Saving the page of the selected tab as an HTML file, and previewing it through a temporary
// page in the folder Temp; the open preview follows the page's changes.

#include <QAction>
#include <QTabBar>
#include <QUrl>

#include "files/PageFile.h"
#include "mainwindow/frmMain.h"
#include "page/PageTextBox.h"
#include "platform/Platform.h"
#include "windows/PreviewFollower.h"

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

// Writes the preview page; false, after saying why, when it cannot be written.
bool frmMain::writePreviewPage(const QString& text) {
    const QString folder = platform_.TempFolder();
    QString error;
    if (!CreateTempFolder(&error)) {
        showWarning(QStringLiteral("The preview folder \"%1\" could not be created.\n%2")
                        .arg(folder, error));
        return false;
    }
    const QString path = previewPagePath();
    if (!platform_.WriteFileAtomic(path, PageFileBytes(text), &error)) {
        showWarning(
            QStringLiteral("The preview page \"%1\" could not be written.\n%2").arg(path, error));
        return false;
    }
    return true;
}

QString frmMain::previewPagePath() const {
    return platform_.TempFolder() + QStringLiteral("/tmp.html");
}

void frmMain::PreviewPage_Click() {
    const QString text = selectedPageText();
    if (!writePreviewPage(text))
        return;
    QString error;
    if (!preview_.Show(QUrl::fromLocalFile(previewPagePath()), &error)) {
        showWarning(QStringLiteral("The preview could not be shown.\n%1").arg(error));
        return;
    }
    follower_->setPreviewOpen(true);
    follower_->showing(text);
}

// The open preview follows every change of the page text (View > Preview Follows Changes): the
// follower gathers the changes and hands the newest text to the preview, at most once a frame.
void frmMain::connectPreviewFollower() {
    follower_ = new PreviewFollower([this] { return selectedPageText(); }, this);
    // The browser compares the text with the page it shows, read from the page's file.
    connect(follower_, &PreviewFollower::send, this, [this](const QString& text) {
        preview_.Follow(QString::fromLatin1(PageFileBytes(text)));
    });
    connect(&preview_, &PreviewLoader::followed, follower_, &PreviewFollower::shown);
    connect(&preview_, &PreviewLoader::closed, follower_,
            [this] { follower_->setPreviewOpen(false); });
    // The text changed beyond its colours: the page is loaded again from its file. A file that
    // cannot be written ends the following until the next Preview.
    connect(&preview_, &PreviewLoader::reloadNeeded, this, [this] {
        if (writePreviewPage(follower_->sentText()))
            preview_.ReloadKeepingScroll();
        else
            follower_->setPreviewOpen(false);
    });
    for (PageTextBox* page : {BodyString, CSSString})
        connect(page, &QPlainTextEdit::textChanged, follower_, &PreviewFollower::changed);
    connect(mnuPreviewFollows, &QAction::toggled, follower_, &PreviewFollower::setFollowing);
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
