#include "platform/TerminationSignals.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QWidget>

#include <algorithm>

#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The handler may only do what is safe in a signal handler: it writes one byte into a socket
// whose other end the event loop watches.
int signalSockets[2] = {-1, -1};

void setHandler(int signal, void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(signal, &action, nullptr);
}

void onSignal(int) {
    // The code this interrupts may be about to read errno (the file code builds its messages
    // from it).
    const int savedErrno = errno;
    // While the windows close, a second SIGINT or SIGTERM takes the default action and ends the
    // process at once: a close that hangs can still be stopped.
    setHandler(SIGINT, SIG_DFL);
    setHandler(SIGTERM, SIG_DFL);
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalSockets[0], &byte, 1);
    errno = savedErrno;
}

void handleTerminationSignals() {
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        setHandler(signal, onSignal);
}

} // namespace

void CloseWindowsOnTerminationSignals() {
    if (signalSockets[0] >= 0) {
        handleTerminationSignals();
        return;
    }
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalSockets) != 0)
        return;
    auto* notifier = new QSocketNotifier(signalSockets[1], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, [] {
        char bytes[16];
        while (::read(signalSockets[1], bytes, sizeof bytes) > 0) {
        }
        QApplication::closeAllWindows();
        // A window that is still open (one that did not close) may be closed by a later signal;
        // with every window closed, a later SIGINT or SIGTERM ends a program that hangs on its
        // way out.
        const QWidgetList windows = QApplication::topLevelWidgets();
        if (std::any_of(windows.begin(), windows.end(),
                        [](const QWidget* window) { return window->isVisible(); }))
            handleTerminationSignals();
    });
    handleTerminationSignals();
}
