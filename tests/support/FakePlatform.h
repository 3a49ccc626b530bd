#pragma once

// A platform for tests: a fresh program folder in a temporary directory, the user's folders in
// another one, a fixed font list and screen width, file dialogs answered from a queue, message
// boxes recorded instead of shown, and file-system calls that can be made to fail for chosen
// paths.

#include "platform/Platform.h"
#include "platform/ScreenColorPicker.h"

#include <QList>
#include <QSet>
#include <QTemporaryDir>
#include <functional>

// A screen picker that the test ends: start() only records the request; pick() or cancel()
// then end it as the user would, fail() as a desktop that could not pick. Each is false when
// no pick is running.
class FakeScreenColorPicker : public ScreenColorPicker {
public:
    bool isAvailable = true;
    QString reason = QStringLiteral("Not on this display.");
    int starts = 0;

    bool available() const override { return isAvailable; }
    QString unavailableReason() const override { return isAvailable ? QString() : reason; }
    bool start() override;
    bool isPicking() const override { return picking_; }
    bool pick(int color);
    bool cancel();
    bool fail(const QString& reason);

private:
    bool picking_ = false;
};

class FakePlatform : public Platform {
public:
    FakePlatform();

    QTemporaryDir dir;
    // The user's home: config, data and runtime folders, all missing at first.
    QTemporaryDir home;
    // When set, the program is an installed copy whose shared data folder this is.
    QString installedData;
    QStringList fonts{QStringLiteral("Verdana"), QStringLiteral("arial"),
                      QStringLiteral("Courier New"), QStringLiteral("Arial"),
                      QStringLiteral("DejaVu Sans")};
    int screenWidthTwips = 19200;
    FakeScreenColorPicker screenPicker;

    // Answers for the next file dialogs, in order: a path, or nullopt for a cancel.
    // A dialog with no answer left is cancelled.
    QList<std::optional<QString>> dialogAnswers;
    QList<FileDialogRequest> dialogRequests;
    // The filter that the user leaves chosen in the next dialogs, counted from 1; 0 keeps the
    // one shown first.
    int dialogFilter = 0;
    // Run when a dialog has been answered, after the user's choice and before the program
    // acts on it: the place to change the chosen file behind the program's back.
    std::function<void(const FileDialogRequest& request, const std::optional<QString>& answer)>
        onDialogAnswered;

    struct Message {
        QString text;
        QString caption;
        MessageIcon icon;
    };
    QList<Message> messages;

    // Paths (exact) whose reads, writes, folder creation or removal fail.
    QSet<QString> failReads, failWrites, failCreateFolder, failDeleteFolder;
    // Folders that behave as read-only: writing a file, making a folder or removing one at or
    // below any of them fails with "Read-only file system". Reads are not affected.
    QStringList readOnlyFolders;
    bool isReadOnly(const QString& path) const;
    // Folders that the user may not write, though the files in them are writable: no new
    // file (a save's temporary file among them) and no folder can be made or removed directly
    // in them ("Permission denied"); existing files in them can still be written.
    QStringList noNewFilesIn;
    bool isNoNewFilesFolder(const QString& folder) const;
    // Folders whose access check allows new files, but where a save's temporary file is
    // refused all the same (as by a rule of the file system the check does not see).
    QStringList noTemporaryFilesIn;

    QString ProgramFolder() override { return dir.path(); }
    QString InstalledDataFolder() override { return installedData; }
    QString UserConfigFolder() override { return home.filePath(QStringLiteral("config")); }
    QString UserDataFolder() override { return home.filePath(QStringLiteral("data")); }
    QString UserRuntimeFolder() override { return home.filePath(QStringLiteral("runtime")); }
    QStringList ScreenFonts() override { return fonts; }
    int ScreenWidthTwips() override { return screenWidthTwips; }
    ScreenColorPicker& ScreenPicker() override { return screenPicker; }
    std::optional<QString> ShowFileDialog(QWidget* parent, const FileDialogRequest& request,
                                          int* chosenFilter = nullptr) override;
    void ShowMessage(QWidget* parent, const QString& text, const QString& caption,
                     MessageIcon icon) override;

    bool CreateFolder(const QString& path, QString* error = nullptr) override;
    bool DeleteFolder(const QString& path, QString* error = nullptr) override;
    bool ReadFile(const QString& path, QByteArray* content, QString* error = nullptr) override;
    bool WriteFileAtomic(const QString& path, const QByteArray& content,
                         QString* error = nullptr) override;

    // Helpers for tests; relative paths are taken from the program folder, or from the home
    // when they start with "~/".
    QString path(const QString& relative) const;
    void writeFile(const QString& relative, const QByteArray& content) const;
    QByteArray readFile(const QString& relative) const;

protected:
    bool CanCreateFilesIn(const QString& folder, QString* reason) override;
    bool OpenTemporaryFile(QSaveFile& file) override;
};
