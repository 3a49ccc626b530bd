#include "platform/FileSystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace {

// Scheme and settings files are a few hundred bytes; anything far larger is not one of them
// and is not read into memory.
constexpr qint64 MaxReadSize = 64 * 1024 * 1024;

bool isRegularFile(const QString& path) {
    std::error_code ignored;
    return std::filesystem::is_regular_file(std::filesystem::path(path.toStdString()), ignored);
}

// The reason a write failed. A write cut short by a full disk or a file-size limit leaves no
// error in the file object, only in errno.
QString writeError(const QSaveFile& file, int systemError) {
    if (file.error() != QFileDevice::NoError &&
        file.errorString() != QLatin1String("Unknown error"))
        return file.errorString();
    if (systemError != 0)
        return QString::fromLocal8Bit(std::strerror(systemError));
    return QStringLiteral("Not everything could be written: the disk may be full or the file "
                          "too large.");
}

} // namespace

bool FileSystem::FileExists(const QString& path) {
    return isRegularFile(path);
}

bool FileSystem::FolderExists(const QString& path) {
    return QFileInfo(path).isDir();
}

bool FileSystem::CreateFolder(const QString& path, QString* error) {
    if (QDir().mkpath(path))
        return true;
    if (error)
        *error = QStringLiteral("The folder could not be created.");
    return false;
}

bool FileSystem::DeleteFolder(const QString& path, QString* error) {
    // A link is removed as a link: what it points to is not ours to delete.
    if (QFileInfo(path).isSymLink()) {
        if (QFile::remove(path))
            return true;
        if (error)
            *error = QStringLiteral("The link could not be removed.");
        return false;
    }
    if (QDir(path).removeRecursively())
        return true;
    if (error)
        *error = QStringLiteral("The folder or a file in it could not be removed.");
    return false;
}

bool FileSystem::ReadFile(const QString& path, QByteArray* content, QString* error) {
    const QFileInfo info(path);
    if (info.isDir()) {
        if (error)
            *error = QStringLiteral("It is a folder, not a file.");
        return false;
    }
    // Pipes and devices would block or never end.
    if (info.exists() && !isRegularFile(path)) {
        if (error)
            *error = QStringLiteral("It is not a regular file.");
        return false;
    }
    if (info.size() > MaxReadSize) {
        if (error)
            *error = QStringLiteral("The file is too large (%1 bytes).").arg(info.size());
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    *content = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

bool FileSystem::WriteFileAtomic(const QString& path, const QByteArray& content, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    errno = 0;
    if (file.write(content) != content.size()) {
        const int systemError = errno;
        if (error)
            *error = writeError(file, systemError);
        file.cancelWriting();
        return false;
    }
    errno = 0;
    if (!file.commit()) {
        const int systemError = errno;
        if (error)
            *error = writeError(file, systemError);
        return false;
    }
    return true;
}
