#include "FakePlatform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTest>

#include "windows/PreviewLoader.h"

FakePlatform::FakePlatform() {
    QDir(dir.path()).mkpath(QStringLiteral("Templates"));
    QDir(dir.path()).mkpath(QStringLiteral("HTMLDocs"));
    PreviewLoader::addLibraryFolder(QStringLiteral(TINTARA_TEST_LIBRARY_DIR));
}

QString FakePlatform::path(const QString& relative) const {
    if (relative.startsWith(QLatin1String("~/")))
        return home.filePath(relative.mid(2));
    return dir.filePath(relative);
}

std::optional<QString> FakePlatform::ShowFileDialog(QWidget*, const FileDialogRequest& request,
                                                    int* chosenFilter) {
    dialogRequests << request;
    const std::optional<QString> answer =
        dialogAnswers.isEmpty() ? std::nullopt : dialogAnswers.takeFirst();
    if (answer && chosenFilter) {
        // As a real dialog shows the first filter for a number beyond them.
        const int filters = int(request.filter.count(QLatin1Char('|')) + 1) / 2;
        const int shown =
            request.filterIndex >= 1 && request.filterIndex <= filters ? request.filterIndex : 1;
        *chosenFilter = dialogFilter > 0 ? dialogFilter : shown;
    }
    if (onDialogAnswered)
        onDialogAnswered(request, answer);
    return answer;
}

bool FakeScreenColorPicker::start() {
    if (!isAvailable || picking_)
        return false;
    picking_ = true;
    ++starts;
    return true;
}

bool FakeScreenColorPicker::pick(int color) {
    if (!picking_)
        return false;
    picking_ = false;
    emit picked(color);
    return true;
}

bool FakeScreenColorPicker::cancel() {
    if (!picking_)
        return false;
    picking_ = false;
    emit cancelled();
    return true;
}

bool FakeScreenColorPicker::fail(const QString& reason) {
    if (!picking_)
        return false;
    picking_ = false;
    emit failed(reason);
    return true;
}

bool FakePlatform::isReadOnly(const QString& path) const {
    const QString clean = QDir::cleanPath(path);
    for (const QString& folder : readOnlyFolders) {
        const QString root = QDir::cleanPath(folder);
        if (clean == root || clean.startsWith(root + QLatin1Char('/')))
            return true;
    }
    return false;
}

bool FakePlatform::isNoNewFilesFolder(const QString& folder) const {
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    for (const QString& listed : noNewFilesIn)
        if (!canonical.isEmpty() && QFileInfo(listed).canonicalFilePath() == canonical)
            return true;
    return false;
}

namespace {
bool refuse(QString* error, const char* reason) {
    if (error)
        *error = QString::fromLatin1(reason);
    return false;
}
} // namespace

void FakePlatform::ShowMessage(QWidget*, const QString& text, const QString& caption,
                               MessageIcon icon) {
    messages << Message{text, caption, icon};
}

bool FakePlatform::CreateFolder(const QString& path, QString* error) {
    if (isReadOnly(path))
        return refuse(error, "Read-only file system");
    if (failCreateFolder.contains(path) ||
        (!QFileInfo::exists(path) && isNoNewFilesFolder(QFileInfo(path).absolutePath()))) {
        if (error)
            *error = QStringLiteral("Permission denied");
        return false;
    }
    return Platform::CreateFolder(path, error);
}

bool FakePlatform::DeleteFolder(const QString& path, QString* error) {
    if (isReadOnly(path))
        return refuse(error, "Read-only file system");
    if (failDeleteFolder.contains(path) ||
        (QFileInfo::exists(path) && isNoNewFilesFolder(QFileInfo(path).absolutePath()))) {
        if (error)
            *error = QStringLiteral("Permission denied");
        return false;
    }
    return Platform::DeleteFolder(path, error);
}

bool FakePlatform::ReadFile(const QString& path, QByteArray* content, QString* error) {
    if (failReads.contains(path)) {
        if (error)
            *error = QStringLiteral("Permission denied");
        return false;
    }
    return Platform::ReadFile(path, content, error);
}

bool FakePlatform::WriteFileAtomic(const QString& path, const QByteArray& content, QString* error) {
    if (isReadOnly(path))
        return refuse(error, "Read-only file system");
    if (failWrites.contains(path)) {
        if (error)
            *error = QStringLiteral("Permission denied");
        return false;
    }
    return Platform::WriteFileAtomic(path, content, error);
}

bool FakePlatform::CanCreateFilesIn(const QString& folder, QString* reason) {
    if (isReadOnly(folder))
        return refuse(reason, "Read-only file system");
    if (isNoNewFilesFolder(folder))
        return refuse(reason, "Permission denied");
    return Platform::CanCreateFilesIn(folder, reason);
}

bool FakePlatform::OpenTemporaryFile(QSaveFile& file) {
    for (const QString& folder : noTemporaryFilesIn)
        if (QFileInfo(QFileInfo(file.fileName()).path()).canonicalFilePath() ==
            QFileInfo(folder).canonicalFilePath())
            return false;
    return Platform::OpenTemporaryFile(file);
}

void FakePlatform::writeFile(const QString& relative, const QByteArray& content) const {
    const QString full = path(relative);
    QDir().mkpath(QFileInfo(full).path());
    QFile file(full);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(full));
    file.write(content);
}

QByteArray FakePlatform::readFile(const QString& relative) const {
    QFile file(path(relative));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}
