#include "FakePlatform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

FakePlatform::FakePlatform() {
    QDir(dir.path()).mkpath(QStringLiteral("Templates"));
    QDir(dir.path()).mkpath(QStringLiteral("HTMLDocs"));
}

std::optional<QString> FakePlatform::ShowFileDialog(QWidget*, const FileDialogRequest& request) {
    dialogRequests << request;
    if (dialogAnswers.isEmpty())
        return std::nullopt;
    return dialogAnswers.takeFirst();
}

void FakePlatform::ShowMessage(QWidget*, const QString& text, const QString& caption,
                               MessageIcon icon) {
    messages << Message{text, caption, icon};
}

bool FakePlatform::CreateFolder(const QString& path, QString* error) {
    if (failCreateFolder.contains(path)) {
        if (error)
            *error = QStringLiteral("Permission denied");
        return false;
    }
    return Platform::CreateFolder(path, error);
}

bool FakePlatform::DeleteFolder(const QString& path, QString* error) {
    if (failDeleteFolder.contains(path)) {
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

bool FakePlatform::WriteFileAtomic(const QString& path, const QByteArray& content,
                                   QString* error) {
    if (failWrites.contains(path)) {
        if (error)
            *error = QStringLiteral("Permission denied");
        return false;
    }
    return Platform::WriteFileAtomic(path, content, error);
}

void FakePlatform::writeFile(const QString& relative, const QByteArray& content) const {
    const QString full = dir.filePath(relative);
    QDir().mkpath(QFileInfo(full).path());
    QFile file(full);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(full));
    file.write(content);
}

QByteArray FakePlatform::readFile(const QString& relative) const {
    QFile file(dir.filePath(relative));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}
