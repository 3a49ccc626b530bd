#pragma once

// The services of the desktop that the windows use: program folder, screen fonts and width,
// the file dialog and the message box, on top of the file-system calls. This class is the
// real, Qt-backed implementation; tests derive from it to answer dialogs and fake failures.

#include "platform/FileSystem.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class QWidget;
class ScreenColorPicker;

struct FileDialogRequest {
    bool save = false;
    QString title;
    QString initDir;
    QString fileName;
    QString filter; // "Description|*.ext;" pairs separated by "|"
    bool overwritePrompt = false;
};

enum class MessageIcon { None, Warning, Critical };

class Platform : public FileSystem {
public:
    Platform();
    ~Platform() override;

    // The folder that holds the executable.
    virtual QString ProgramFolder();
    // Names of the fonts installed on the screen, in the system's order.
    virtual QStringList ScreenFonts();
    // Width of the primary screen in twips (15 twips per pixel).
    virtual int ScreenWidthTwips();
    // Shows a file dialog; the chosen full path, or nullopt when the user cancelled.
    virtual std::optional<QString> ShowFileDialog(QWidget* parent,
                                                  const FileDialogRequest& request);
    // A message box with only an OK button.
    virtual void ShowMessage(QWidget* parent, const QString& text, const QString& caption,
                             MessageIcon icon);
    // Picks a colour anywhere on the screen; made for the running display on first use.
    virtual ScreenColorPicker& ScreenPicker();

private:
    std::unique_ptr<ScreenColorPicker> screenPicker_;
};

// "Tintara Files - (*.tnx)|*.tnx;" -> "Tintara Files - (*.tnx)", the form of Qt's file
// dialogs: a description that names its patterns in parentheses is shown as it is, any other
// gets them added ("Pages|*.htm;*.html;" -> "Pages (*.htm *.html)").
QString QtFileDialogFilter(const QString& filter);
