#include <QApplication>
#include <QFile>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <unistd.h>

#include "picker/frmMain.h"
#include "platform/Platform.h"
#include "platform/TerminationSignals.h"
#include "windows/PreviewLoader.h"
#include "windows/ProgramIcon.h"

namespace {

// Start-up measurement for the benchmarks: with TINTARA_STARTUP_PROBE=<ms> set, the program
// prints the monotonic clock at the main window's first frame and its resident memory after
// <ms> more milliseconds of idling, then exits at once. Nothing else reads it.
class StartupProbe : public QObject {
public:
    StartupProbe(QWidget* window, int idleMs) : idleMs_(idleMs) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            watched->removeEventFilter(this);
            // Runs once this paint has been handled and flushed to the screen.
            QTimer::singleShot(0, this, [this] {
                timespec now{};
                clock_gettime(CLOCK_MONOTONIC, &now);
                firstFrameNs_ = qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
                QTimer::singleShot(idleMs_, this, [this] { report(); });
            });
        }
        return false;
    }

private:
    void report() {
        long rssKb = 0;
        QFile status(QStringLiteral("/proc/self/status"));
        if (status.open(QIODevice::ReadOnly)) {
            for (const QByteArray& line : status.readAll().split('\n'))
                if (line.startsWith("VmRSS:"))
                    rssKb = line.mid(6).trimmed().split(' ').value(0).toLong();
        }
        std::printf("first_frame_ns %lld\nrss_kb %ld\n", static_cast<long long>(firstFrameNs_),
                    rssKb);
        std::fflush(stdout);
        _exit(0);
    }

    int idleMs_;
    bool painted_ = false;
    qint64 firstFrameNs_ = 0;
};

} // namespace

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
    const QByteArray probe = qgetenv("TINTARA_STARTUP_PROBE");
    if (!probe.isEmpty())
        new StartupProbe(&window, probe.toInt());
    window.show();
    // The program ends when its last window has closed: an open preview outlives the main
    // window.
    return QApplication::exec();
}
