#pragma once

#include <QByteArray>
#include <QString>

class QSaveFile;

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
    // Where no new file can be made beside it (a folder the user may not write, or a temporary
    // file refused all the same), an existing file is written in place instead, and should that
    // write fail part-way its old content is put back; a new file there is refused. False with
    // the reason on failure.
    virtual bool WriteFileAtomic(const QString& path, const QByteArray& content,
                                 QString* error = nullptr);

protected:
    // Whether new files, the temporary file of a save among them, can be made in folder; false
    // with the reason when not. The real answer is the system's check for write and search
    // access; tests answer it to stand for a folder the user may not write.
    virtual bool CanCreateFilesIn(const QString& folder, QString* reason);
    // Opens the temporary file of an atomic save beside its target. The real answer is the
    // system's; tests refuse it to stand for a folder whose rules the access check above does
    // not see.
    virtual bool OpenTemporaryFile(QSaveFile& file);
};
