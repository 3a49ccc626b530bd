// Starts the whole program repeatedly on the current X display and measures it from outside, as
// any program is measured: the time from the spawn to the first map of its main window, seen
// as a MapNotify event on the root window (on a server without a window manager, such as Xvfb,
// top-level windows are children of the root), and its resident memory (VmRSS in
// /proc/<pid>/status) once it has idled for half a second after that map. Then the process is
// terminated. Two warm-up runs, then the median of the measured runs.
// Usage: bench_startup [runs] [executable] [label]; the default executable is the program.

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr int IdleMs = 500;
constexpr long long MapTimeoutNs = 30'000'000'000LL;

long long nowNs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

void sleepMs(int ms) {
    timespec t{ms / 1000, (ms % 1000) * 1000000L};
    while (nanosleep(&t, &t) != 0) {
    }
}

// The connection to the X server, listening to the root window for windows being mapped.
class RootWatcher {
public:
    ~RootWatcher() {
        if (conn_)
            xcb_disconnect(conn_);
    }

    bool open() {
        int screenNumber = 0;
        conn_ = xcb_connect(nullptr, &screenNumber);
        if (xcb_connection_has_error(conn_))
            return false;
        xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(conn_));
        for (int i = 0; i < screenNumber && screens.rem; ++i)
            xcb_screen_next(&screens);
        if (!screens.rem)
            return false;
        const xcb_window_t root = screens.data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_generic_error_t* error = xcb_request_check(
            conn_, xcb_change_window_attributes_checked(conn_, root, XCB_CW_EVENT_MASK, &mask));
        if (error) {
            std::free(error);
            return false;
        }
        const char name[] = "_NET_WM_PID";
        xcb_intern_atom_reply_t* atom =
            xcb_intern_atom_reply(conn_, xcb_intern_atom(conn_, 0, sizeof name - 1, name), nullptr);
        if (!atom)
            return false;
        pidAtom_ = atom->atom;
        std::free(atom);
        return true;
    }

    // Drops the events of earlier runs.
    void drain() {
        while (xcb_generic_event_t* event = xcb_poll_for_event(conn_))
            std::free(event);
    }

    // The clock at the first map of a top-level window of process pid (its _NET_WM_PID; menus
    // and tooltips, which bypass a window manager, do not count), or -1 when the process ends
    // or shows no window in time; *ended tells that the process has ended (and was reaped).
    long long waitForMap(pid_t pid, long long started, bool* ended) {
        *ended = false;
        pollfd fd{xcb_get_file_descriptor(conn_), POLLIN, 0};
        for (;;) {
            while (xcb_generic_event_t* event = xcb_poll_for_event(conn_)) {
                const long long at = nowNs();
                bool mine = false;
                if ((event->response_type & 0x7F) == XCB_MAP_NOTIFY) {
                    const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                    mine =
                        !map->override_redirect && pidOf(map->window) == static_cast<uint32_t>(pid);
                }
                std::free(event);
                if (mine)
                    return at;
            }
            if (xcb_connection_has_error(conn_))
                return -1;
            int status = 0;
            if (waitpid(pid, &status, WNOHANG) == pid) {
                *ended = true;
                return -1;
            }
            if (nowNs() - started > MapTimeoutNs)
                return -1;
            poll(&fd, 1, 50);
        }
    }

private:
    uint32_t pidOf(xcb_window_t window) {
        xcb_get_property_reply_t* reply = xcb_get_property_reply(
            conn_, xcb_get_property(conn_, 0, window, pidAtom_, XCB_ATOM_CARDINAL, 0, 1), nullptr);
        uint32_t pid = 0;
        if (reply && reply->format == 32 && xcb_get_property_value_length(reply) == 4)
            std::memcpy(&pid, xcb_get_property_value(reply), 4);
        std::free(reply);
        return pid;
    }

    xcb_connection_t* conn_ = nullptr;
    xcb_atom_t pidAtom_ = 0;
};

// VmRSS of the process in KiB, or -1.
long residentKb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return -1;
}

void stop(pid_t pid) {
    kill(pid, SIGTERM);
    for (int i = 0; i < 100; ++i) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid)
            return;
        sleepMs(20);
    }
    kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
}

bool runOnce(RootWatcher& x, const char* executable, double* startupMs, double* rssMb) {
    x.drain();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    std::string program = executable;
    char* argv[] = {program.data(), nullptr};
    pid_t pid = 0;
    const long long started = nowNs();
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return false;
    bool ended = false;
    const long long mapped = x.waitForMap(pid, started, &ended);
    long rss = -1;
    if (mapped >= 0) {
        sleepMs(IdleMs);
        rss = residentKb(pid);
    }
    if (!ended)
        stop(pid);
    if (mapped < 0 || rss < 0)
        return false;
    *startupMs = (mapped - started) / 1e6;
    *rssMb = rss / 1024.0;
    return true;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 15;
    const char* executable = argc > 2 ? argv[2] : TINTARA_EXECUTABLE;
    const std::string label = argc > 3 ? argv[3] : "";
    RootWatcher x;
    if (!x.open()) {
        std::fprintf(stderr, "no X display to watch (is DISPLAY set?)\n");
        return 1;
    }
    std::vector<double> times, memory;
    for (int i = 0; i < runs + 2; ++i) {
        double ms = 0, mb = 0;
        if (!runOnce(x, executable, &ms, &mb)) {
            std::fprintf(stderr, "%s showed no main window\n", executable);
            return 1;
        }
        if (i >= 2) {
            times.push_back(ms);
            memory.push_back(mb);
        }
    }
    std::printf("| start-up, process start to the main window's first map%s | %.1f ms | min %.1f, "
                "max %.1f | %d |\n",
                label.c_str(), median(times), *std::min_element(times.begin(), times.end()),
                *std::max_element(times.begin(), times.end()), runs);
    std::printf("| resident memory after start-up%s | %.1f MiB | min %.1f, max %.1f | %d |\n",
                label.c_str(), median(memory), *std::min_element(memory.begin(), memory.end()),
                *std::max_element(memory.begin(), memory.end()), runs);
    return 0;
}
