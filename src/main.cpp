#include <QApplication>

#include "picker/frmMain.h"
#include "platform/Platform.h"
#include "windows/PreviewLoader.h"
#include "windows/ProgramIcon.h"

int main(int argc, char** argv) {
    prepareBrowserEnvironment();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tintara"));
    QApplication::setApplicationVersion(QStringLiteral(TINTARA_VERSION));
    QApplication::setWindowIcon(ProgramIcon());

    Platform platform;
    frmMain window(platform);
    window.show();
    // The program ends when its last window has closed: an open preview outlives the main
    // window.
    return QApplication::exec();
}
