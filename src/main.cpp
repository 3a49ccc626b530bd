#include <QApplication>

#include "CommandLine.h"
#include "Version.h"
#include "mainwindow/frmMain.h"
#include "platform/Platform.h"
#include "platform/TerminationSignals.h"
#include "windows/PreviewLoader.h"
#include "windows/ProgramIcon.h"

int main(int argc, char** argv) {
    // The command-line modes run without a display: they are told apart before any window
    // system is asked for.
    const CommandLine command(argc, argv);
    if (!command.OpensWindow()) {
        // The help names the program as its users type it, whatever path started it.
        char name[] = "tintara";
        char* arguments[] = {name, nullptr};
        int count = 1;
        QCoreApplication app(count, arguments);
        QCoreApplication::setApplicationName(QStringLiteral("tintara"));
        QCoreApplication::setApplicationVersion(QStringLiteral(TINTARA_VERSION));
        FileSystem files;
        return command.Run(files, stdout, stderr);
    }

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
    // A scheme named on the command line, as the desktop names a file opened with the program,
    // opens as the Open command opens one; one that cannot be read says so over the window. It
    // opens once the event loop runs, so that a termination signal that closes the message box
    // and the window also ends the program.
    if (const QString file = command.WindowFile(); !file.isEmpty())
        QMetaObject::invokeMethod(
            &window, [&window, file] { window.OpenSchemeFile(file); }, Qt::QueuedConnection);
    // The program ends when its last window has closed: an open preview outlives the main
    // window.
    return QApplication::exec();
}
