// The main window's settings: the name of the last scheme opened and whether the preview follows
// the page's changes, read at start-up and stored at shut-down.

#include <QAction>
#include <QLineEdit>

#include "files/modINIFileFunc.h"
#include "mainwindow/frmMain.h"
#include "platform/Platform.h"

namespace {
// Whether an open preview follows the page's changes: "True" or "False", true where missing.
const QString FollowKey = QStringLiteral("PreviewFollowsChanges");
} // namespace

void frmMain::LoadSettings() {
    LastFile->setText(ReadIniValue(platform_, platform_.SettingsFile(), QStringLiteral("Settings"),
                                   QStringLiteral("LastFile"), QStringLiteral("False")));
    mnuPreviewFollows->setChecked(ReadIniValue(platform_, platform_.SettingsFile(),
                                               QStringLiteral("Settings"), FollowKey,
                                               QStringLiteral("True"))
                                      .compare(QLatin1String("False"), Qt::CaseInsensitive) != 0);
}

void frmMain::SaveSettings() {
    // A settings file that cannot be written only means the next start does not reopen the
    // scheme; closing goes on.
    WriteIniValue(platform_, platform_.SettingsFile(), QStringLiteral("Settings"),
                  QStringLiteral("LastFile"), LastFile->text());
    // The choice is written when it differs from what the file holds (nothing counts as on): a
    // settings file that never had it stays as it was while the choice is on.
    const QString follow =
        mnuPreviewFollows->isChecked() ? QStringLiteral("True") : QStringLiteral("False");
    if (ReadIniValue(platform_, platform_.SettingsFile(), QStringLiteral("Settings"), FollowKey,
                     QStringLiteral("True"))
            .compare(follow, Qt::CaseInsensitive) != 0)
        WriteIniValue(platform_, platform_.SettingsFile(), QStringLiteral("Settings"), FollowKey,
                      follow);
}
