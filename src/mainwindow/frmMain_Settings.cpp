// The main window's settings: the name of the last scheme opened, read at start-up and stored
// at shut-down.

#include <QLineEdit>

#include "files/modINIFileFunc.h"
#include "mainwindow/frmMain.h"
#include "platform/Platform.h"

void frmMain::LoadSettings() {
    LastFile->setText(ReadIniValue(platform_, platform_.SettingsFile(), QStringLiteral("Settings"),
                                   QStringLiteral("LastFile"), QStringLiteral("False")));
}

void frmMain::SaveSettings() {
    // A settings file that cannot be written only means the next start does not reopen the
    // scheme; closing goes on.
    WriteIniValue(platform_, platform_.SettingsFile(), QStringLiteral("Settings"),
                  QStringLiteral("LastFile"), LastFile->text());
}
