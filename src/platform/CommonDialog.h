#pragma once

// The main window's one file dialog object. Its properties stay set from one dialog to the
// next, as every file command of the window shares it.

#include <QString>

class Platform;
class QWidget;

class CommonDialog {
public:
    // Flags
    static constexpr int OverwritePrompt = 2;
    static constexpr int HideReadOnly = 4;
    // Saving: a name typed without an extension gets the chosen filter's.
    static constexpr int AddFilterExtension = 0x10000;

    CommonDialog(Platform& platform, QWidget* parent) : platform_(platform), parent_(parent) {}

    QString DialogTitle;
    int Flags = 0;
    QString InitDir;
    QString FileName;    // after a dialog: the chosen full path
    QString FileTitle;   // after a dialog: the chosen file's name without folder
    QString Filter;      // "Description|*.ext;"
    int FilterIndex = 1; // the filter shown first; after a dialog the one chosen, from 1

    // Show the dialog. True when a file was chosen; false when the user cancelled, in which
    // case FileName and FileTitle are left as they were.
    bool ShowOpen() { return show(false); }
    bool ShowSave() { return show(true); }

private:
    bool show(bool save);

    Platform& platform_;
    QWidget* parent_;
};
