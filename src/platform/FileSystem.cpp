#include "platform/FileSystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

bool FileSystem::FileExists(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

bool FileSystem::FolderExists(const QString& path) { return QFileInfo(path).isDir(); }

bool FileSystem::CreateFolder(const QString& path, QString* error) {
    if (QDir().mkpath(path))
        return true;
    if (error)
        *error = QStringLiteral("The folder could not be created.");
    return false;
}

bool FileSystem::DeleteFolder(const QString& path, QString* error) {
    if (QDir(path).removeRecursively())
        return true;
    if (error)
        *error = QStringLiteral("The folder or a file in it could not be removed.");
    return false;
}

bool FileSystem::ReadFile(const QString& path, QByteArray* content, QString* error) {
    if (QFileInfo(path).isDir()) {
        if (error)
            *error = QStringLiteral("It is a folder, not a file.");
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

bool FileSystem::WriteFileAtomic(const QString& path, const QByteArray& content,
                                 QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (file.write(content) != content.size()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}
