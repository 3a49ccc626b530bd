#pragma once

// The page preview window lives in a library of its own (it carries the browser engine), loaded
// the first time a preview is asked for. This class loads it, keeps the open window and
// reuses it.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QWidget>

class PreviewLoader : public QObject {
    Q_OBJECT
public:
    // Shows the preview window (bringing an open one to the front) and navigates it to url.
    // False, with the reason in error, when the browser library cannot be loaded.
    bool Show(const QUrl& url, QString* error = nullptr);

    // The open preview window, or nullptr.
    QWidget* window() const { return window_; }

    // Brings the open preview up to the page's new text: in place where only colours changed,
    // then followed(); otherwise reloadNeeded(), after which the page's file is written and
    // ReloadKeepingScroll() called. Nothing happens without an open preview.
    void Follow(const QString& html);
    void ReloadKeepingScroll();

    // File name of the browser library.
    static QString libraryFileName();
    // Where it is looked for, in this order: beside the executable (a build folder or a portable
    // copy), in the program's own library folder of an installed copy, and in the folders
    // added below.
    static QStringList libraryFolders();
    // Adds a folder to look in last; for programs that do not sit in a program folder of their
    // own, such as the tests.
    static void addLibraryFolder(const QString& folder);

signals:
    void followed();
    void reloadNeeded();
    // The preview window has closed.
    void closed();

private:
    QPointer<QWidget> window_;
};

// What the browser engine needs to be in place before the application object exists, because
// it may be loaded later from a library: Chromium's sandbox off when running as root (it
// refuses to start otherwise) and software rendering unless the caller chose Chromium flags of
// its own. Call it first thing in main; it only sets two environment variables. (The shared
// OpenGL context the engine also needs is made when the library is loaded.)
void prepareBrowserEnvironment();
