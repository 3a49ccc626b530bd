#include <QApplication>

#include "Version.h"
#include "mainwindow/frmMain.h"
#include "platform/Platform.h"
#include "platform/TerminationSignals.h"
#include "windows/PreviewLoader.h"
#include "windows/ProgramIcon.h"

int main(int argc, char** argv) {
    prepareBrowserEnvironment();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tintara"));
    QApplication::setApplicationVersion(QStringLiteral(TINTARA_VERSION));
    // The desktop entry of an installed copy: it lends the window its name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(TINTARA_APP_ID));
    QApplication::setWindowIcon(ProgramIcon());
    CloseWindowsOnTerminationSignals();

    Platform platform;
    frmMain window(platform);
    window.show();
    // The program ends when its last window has closed: an open preview outlives the main
    // window.
    return QApplication::exec();
}
