// A comparison for the start-up benchmark: a bare Qt Widgets window with 200 coloured labels,
// reporting its first frame and memory the same way the program does.

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <unistd.h>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(689, 441);
    for (int i = 0; i < 200; ++i) {
        auto* label = new QLabel(&window);
        label->setGeometry((i % 18) * 21, (i / 18) * 17, 21, 17);
        label->setAutoFillBackground(true);
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, QColor::fromHsv((i % 18) * 20, (i / 18) * 25, 255));
        label->setPalette(palette);
    }
    window.show();
    const int idleMs = qEnvironmentVariableIntValue("TINTARA_STARTUP_PROBE");
    QTimer::singleShot(0, [idleMs] {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        const long long frame = static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
        QTimer::singleShot(idleMs, [frame] {
            long rssKb = 0;
            QFile status(QStringLiteral("/proc/self/status"));
            if (status.open(QIODevice::ReadOnly))
                for (const QByteArray& line : status.readAll().split('\n'))
                    if (line.startsWith("VmRSS:"))
                        rssKb = line.mid(6).trimmed().split(' ').value(0).toLong();
            std::printf("first_frame_ns %lld\nrss_kb %ld\n", frame, rssKb);
            std::fflush(stdout);
            _exit(0);
        });
    });
    return QApplication::exec();
}
