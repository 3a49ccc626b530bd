#include "windows/PreviewLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibrary>
#include <QMetaObject>
#include <QOpenGLContext>
#include <QStringList>

#include <unistd.h>

// Qt's own accessors for the application-wide shared OpenGL context (exported by Qt GUI).
Q_GUI_EXPORT QOpenGLContext* qt_gl_global_share_context();
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);

namespace {

using CreatePreviewWindow = QWidget* (*)();

// Folders added by the caller, searched after the program's own places.
QStringList& extraFolders() {
    static QStringList folders;
    return folders;
}

// The factory of the loaded browser library; resolved once, the library is never unloaded.
CreatePreviewWindow createPreviewWindow = nullptr;

// The browser engine draws through an OpenGL context shared with the application. Asking Qt
// for that at start-up would load the OpenGL drivers into every run (about 55 MiB and tens of
// milliseconds), although most runs never preview; so the shared context is made here, just
// before the engine is loaded.
void provideSharedOpenGLContext() {
    if (qt_gl_global_share_context())
        return;
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    auto* context = new QOpenGLContext(qApp);
    context->setFormat(QSurfaceFormat::defaultFormat());
    context->create(); // without a usable driver the engine falls back to software drawing
    qt_gl_set_global_share_context(context);
}

bool loadPreviewLibrary(QString* error) {
    if (createPreviewWindow)
        return true;
    provideSharedOpenGLContext();

    QStringList tried;
    for (const QString& folder : PreviewLoader::libraryFolders()) {
        const QString path = QDir(folder).filePath(PreviewLoader::libraryFileName());
        if (tried.contains(path))
            continue;
        tried << path;
        if (!QFileInfo::exists(path))
            continue;

        QLibrary library(path);
        if (!library.load()) {
            if (error)
                *error = QStringLiteral("The browser library %1 could not be loaded: %2")
                             .arg(QDir::toNativeSeparators(path), library.errorString());
            return false;
        }
        auto create =
            reinterpret_cast<CreatePreviewWindow>(library.resolve("tintaraCreatePreviewWindow"));
        if (!create) {
            if (error)
                *error = QStringLiteral("The browser library %1 has no preview window: %2")
                             .arg(QDir::toNativeSeparators(path), library.errorString());
            return false;
        }
        createPreviewWindow = create;
        return true;
    }

    if (error) {
        QStringList shown;
        for (const QString& path : tried)
            shown << QDir::toNativeSeparators(path);
        *error = QStringLiteral("The browser library was not found; looked for %1")
                     .arg(shown.join(QStringLiteral(" and ")));
    }
    return false;
}

} // namespace

QString PreviewLoader::libraryFileName() {
    return QStringLiteral("libtintara_preview.so");
}

QStringList PreviewLoader::libraryFolders() {
    // TINTARA_INSTALLED_LIBRARY_DIR: the program's library folder relative to the installed
    // executable.
    const QString program = QCoreApplication::applicationDirPath();
    return QStringList{program, QDir::cleanPath(
                                    program + QStringLiteral("/" TINTARA_INSTALLED_LIBRARY_DIR))} +
           extraFolders();
}

void PreviewLoader::addLibraryFolder(const QString& folder) {
    if (!extraFolders().contains(folder))
        extraFolders() << folder;
}

bool PreviewLoader::Show(const QUrl& url, QString* error) {
    if (!window_) {
        if (!loadPreviewLibrary(error))
            return false;
        window_ = createPreviewWindow();
        if (!window_) {
            if (error)
                *error = QStringLiteral("The preview window could not be created.");
            return false;
        }
        connect(window_, SIGNAL(followed()), this, SIGNAL(followed()));
        connect(window_, SIGNAL(reloadNeeded()), this, SIGNAL(reloadNeeded()));
        connect(window_, &QObject::destroyed, this, &PreviewLoader::closed);
    }

    window_->show();
    window_->raise();
    window_->activateWindow();

    if (!QMetaObject::invokeMethod(window_, "navigate", Qt::DirectConnection, Q_ARG(QUrl, url))) {
        if (error)
            *error = QStringLiteral("The preview window cannot open pages.");
        return false;
    }
    return true;
}

void PreviewLoader::Follow(const QString& html) {
    if (window_)
        QMetaObject::invokeMethod(window_, "follow", Qt::DirectConnection, Q_ARG(QString, html));
}

void PreviewLoader::ReloadKeepingScroll() {
    if (window_)
        QMetaObject::invokeMethod(window_, "reloadKeepingScroll", Qt::DirectConnection);
}

void prepareBrowserEnvironment() {
    // Chromium will not start its sandbox as root.
    if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");

    // Software rendering works everywhere, including virtual displays without a GPU; a caller
    // that sets the flags itself keeps its own.
    if (!qEnvironmentVariableIsSet("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
}
