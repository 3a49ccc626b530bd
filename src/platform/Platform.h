#pragma once

// The services of the desktop that the windows use: the folders where the program keeps its
// files, screen fonts and width, the file dialog and the message box, on top of the file-system
// calls. This class is the real, Qt-backed implementation; tests derive from it to answer
// dialogs, fake failures and place the user's folders.

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
    // The filter shown first, counted from 1; a number outside the filters shows the first.
    int filterIndex = 1;
    bool overwritePrompt = false;
    // Saving: a name typed without an extension gets the first extension of the chosen filter,
    // before the dialog asks whether to replace a file of that name.
    bool addFilterExtension = false;
};

enum class MessageIcon { None, Warning, Critical };

class Platform : public FileSystem {
public:
    Platform();
    ~Platform() override;

    // The folder that holds the executable.
    virtual QString ProgramFolder();

    // Where the program keeps its files. A build folder or a portable copy keeps them in its
    // program folder while that folder is writable. An installed copy, and a copy whose folder
    // cannot be written, keeps them in the user's folders instead: the settings in the
    // application's config folder, Templates and HTMLDocs in its data folder (Templates seeded
    // once with the sample schemes, never overwritten), and Temp in a private folder under the
    // runtime location. The user's folders are made when first asked for.
    bool KeepsFilesInProgramFolder();
    QString SettingsFile();    // ".../Config.ini"
    QString TemplatesFolder(); // ".../Templates/"
    QString HtmlDocsFolder();  // ".../HTMLDocs/"
    QString TempFolder();      // ".../Temp"

    // What that choice is made of (besides whether new files can be made in the program
    // folder, CanCreateFilesIn).
    // The shared data folder of an installed copy (".../share/tintara", found relative to the
    // executable), or empty when the program does not run from an installed layout.
    virtual QString InstalledDataFolder();
    // The application's folders in the user's home, and its private folder under the runtime
    // location.
    virtual QString UserConfigFolder();
    virtual QString UserDataFolder();
    virtual QString UserRuntimeFolder();
    // Names of the fonts installed on the screen, in the system's order.
    virtual QStringList ScreenFonts();
    // Width of the primary screen in twips (15 twips per pixel).
    virtual int ScreenWidthTwips();
    // Shows a file dialog; the chosen full path, or nullopt when the user cancelled. When a
    // path is chosen, chosenFilter (if given) receives the filter left chosen, counted from 1.
    virtual std::optional<QString> ShowFileDialog(QWidget* parent, const FileDialogRequest& request,
                                                  int* chosenFilter = nullptr);
    // A message box with only an OK button.
    virtual void ShowMessage(QWidget* parent, const QString& text, const QString& caption,
                             MessageIcon icon);
    // Picks a colour anywhere on the screen; made for the running display on first use.
    virtual ScreenColorPicker& ScreenPicker();

private:
    // The user's data folder with Templates (seeded from the sample schemes when it is new) and
    // HTMLDocs.
    QString userDataFolder();

    std::unique_ptr<ScreenColorPicker> screenPicker_;
};

// "Tintara Files - (*.tnx)|*.tnx;" -> "Tintara Files - (*.tnx)", the form of Qt's file
// dialogs: a description that names its patterns in parentheses is shown as it is, any other
// gets them added ("Pages|*.htm;*.html;" -> "Pages (*.htm *.html)").
QString QtFileDialogFilter(const QString& filter);
