#pragma once

#include <QByteArray>
#include <QString>

// The file-system calls of the program. The default implementation works on the real disk;
// tests replace single calls to make them fail.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    virtual bool FileExists(const QString& path);
    virtual bool FolderExists(const QString& path);
    // Creates the folder (and missing parents); false with the reason on failure.
    virtual bool CreateFolder(const QString& path, QString* error = nullptr);
    // Removes the folder and everything in it; false with the reason on failure.
    virtual bool DeleteFolder(const QString& path, QString* error = nullptr);

    // Reads a whole file; false with the reason when it is missing, a folder or unreadable.
    virtual bool ReadFile(const QString& path, QByteArray* content, QString* error = nullptr);
    // Writes a whole file through a temporary file beside it that replaces the old one only
    // once everything is written, so a failed write leaves the old file intact.
    virtual bool WriteFileAtomic(const QString& path, const QByteArray& content,
                                 QString* error = nullptr);
};
