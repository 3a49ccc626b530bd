#include "platform/FileSystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace {

// Scheme and settings files are a few hundred bytes; anything far larger is not one of them
// and is not read into memory.
constexpr qint64 MaxReadSize = 64 * 1024 * 1024;

// Gives the reason of a failure to a caller that asked for it; false.
bool fail(QString* error, const QString& reason) {
    if (error)
        *error = reason;
    return false;
}

bool isRegularFile(const QString& path) {
    std::error_code ignored;
    return std::filesystem::is_regular_file(std::filesystem::path(path.toStdString()), ignored);
}

// The reason a write failed. A write cut short by a full disk or a file-size limit leaves no
// error in the file object, only in errno.
QString writeError(const QFileDevice& file, int systemError) {
    if (file.error() != QFileDevice::NoError &&
        file.errorString() != QLatin1String("Unknown error"))
        return file.errorString();
    if (systemError != 0)
        return QString::fromLocal8Bit(std::strerror(systemError));
    return QStringLiteral("Not everything could be written: the disk may be full or the file "
                          "too large.");
}

// Writes an existing file in place: truncated, then written. Should the write fail part-way,
// the old content (read first) is written back, so that a full disk does not cost the user the
// file they had.
bool writeInPlace(const QString& path, const QByteArray& content, QString* error) {
    QByteArray old;
    bool haveOld = false;
    {
        QFile reader(path);
        if (reader.size() <= MaxReadSize && reader.open(QIODevice::ReadOnly)) {
            old = reader.readAll();
            haveOld = reader.error() == QFileDevice::NoError;
        }
    }
    // Unbuffered: after a failed write no unwritten rest may follow the old content back.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        return fail(error, file.errorString());
    }
    errno = 0;
    if (file.write(content) == content.size())
        return true;
    const int systemError = errno;
    if (error)
        *error = writeError(file, systemError);
    const bool restored =
        haveOld && file.resize(0) && file.seek(0) && file.write(old) == old.size();
    if (!restored && error)
        *error += QStringLiteral(" The file could not be put back as it was.");
    return false;
}

} // namespace

bool FileSystem::CanCreateFilesIn(const QString& folder, QString* reason) {
    // A folder that is missing or no folder at all is left to the save, which gives the reason.
    if (!QFileInfo(folder).isDir())
        return true;
    // The effective user's rights, as the system applies them to a new file.
    if (::faccessat(AT_FDCWD, QFile::encodeName(folder).constData(), W_OK | X_OK, AT_EACCESS) == 0)
        return true;
    if (reason)
        *reason = QString::fromLocal8Bit(std::strerror(errno));
    return false;
}

bool FileSystem::OpenTemporaryFile(QSaveFile& file) {
    return file.open(QIODevice::WriteOnly);
}

bool FileSystem::FileExists(const QString& path) {
    return isRegularFile(path);
}

bool FileSystem::FolderExists(const QString& path) {
    return QFileInfo(path).isDir();
}

bool FileSystem::CreateFolder(const QString& path, QString* error) {
    if (QDir().mkpath(path))
        return true;
    return fail(error, QStringLiteral("The folder could not be created."));
}

bool FileSystem::DeleteFolder(const QString& path, QString* error) {
    // A link is removed as a link: what it points to is not ours to delete.
    if (QFileInfo(path).isSymLink()) {
        if (QFile::remove(path))
            return true;
        return fail(error, QStringLiteral("The link could not be removed."));
    }
    if (QDir(path).removeRecursively())
        return true;
    return fail(error, QStringLiteral("The folder or a file in it could not be removed."));
}

bool FileSystem::ReadFile(const QString& path, QByteArray* content, QString* error) {
    const QFileInfo info(path);
    if (info.isDir()) {
        return fail(error, QStringLiteral("It is a folder, not a file."));
    }
    // Pipes and devices would block or never end.
    if (info.exists() && !isRegularFile(path)) {
        return fail(error, QStringLiteral("It is not a regular file."));
    }
    if (info.size() > MaxReadSize) {
        return fail(error, QStringLiteral("The file is too large (%1 bytes).").arg(info.size()));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return fail(error, file.errorString());
    }
    *content = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return fail(error, file.errorString());
    }
    return true;
}

bool FileSystem::WriteFileAtomic(const QString& path, const QByteArray& content, QString* error) {
    // The folder the file really lies in, past any links, where the temporary file would go.
    const QFileInfo info(path);
    const QString target = info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
    const QString folder = QFileInfo(target).path();
    QString reason;
    // (A folder in the file's place is left to the save below, which refuses it.)
    if (!info.isDir() && !CanCreateFilesIn(folder, &reason)) {
        if (isRegularFile(target))
            return writeInPlace(target, content, error);
        if (!error)
            return false;
        if (info.exists()) // a pipe or a device, which might never take the text
            *error = QStringLiteral("It is not a regular file.");
        else
            *error = QStringLiteral("No new file can be made in the folder \"%1\": %2")
                         .arg(QDir::toNativeSeparators(folder), reason);
        return false;
    }
    QSaveFile file(path);
    // Should the temporary file be refused all the same (a rule the check above does not see),
    // the existing file is written in place, by the write that can put its old content back
    // (the save file's own fallback would leave a file cut short by a failing write).
    if (!OpenTemporaryFile(file)) {
        if (!info.isDir() && isRegularFile(target))
            return writeInPlace(target, content, error);
        return fail(error, file.errorString());
    }
    errno = 0;
    if (file.write(content) != content.size()) {
        const int systemError = errno;
        const QString reason = writeError(file, systemError);
        file.cancelWriting();
        return fail(error, reason);
    }
    errno = 0;
    if (!file.commit()) {
        const int systemError = errno;
        return fail(error, writeError(file, systemError));
    }
    return true;
}
