// Starts the whole program repeatedly on the current display and measures, from outside, the
// time from process start to the main window's first frame and the resident memory once it
// has idled for half a second. Two warm-up runs, then the median of the measured runs.
// Usage: bench_startup [runs] [executable] [label]; the default executable is the program.

#include <QByteArray>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

long long nowNs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

bool runOnce(const char* executable, double* startupMs, double* rssMb) {
    int out[2];
    if (pipe(out) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e)
        env.emplace_back(*e);
    env.emplace_back("TINTARA_STARTUP_PROBE=500");
    std::vector<char*> envp;
    for (auto& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string program = executable;
    char* argv[] = {program.data(), nullptr};
    pid_t pid = 0;
    const long long started = nowNs();
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, envp.data()) != 0)
        return false;
    close(out[1]);
    std::string text;
    char buffer[256];
    ssize_t n;
    while ((n = read(out[0], buffer, sizeof buffer)) > 0)
        text.append(buffer, size_t(n));
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    long long frame = 0;
    long rss = 0;
    if (std::sscanf(text.c_str(), "first_frame_ns %lld rss_kb %ld", &frame, &rss) != 2)
        return false;
    *startupMs = (frame - started) / 1e6;
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
    std::vector<double> times, memory;
    for (int i = 0; i < runs + 2; ++i) {
        double ms = 0, mb = 0;
        if (!runOnce(executable, &ms, &mb)) {
            std::fprintf(stderr, "the program did not report its first frame (is DISPLAY set?)\n");
            return 1;
        }
        if (i >= 2) {
            times.push_back(ms);
            memory.push_back(mb);
        }
    }
    std::printf(
        "| start-up, process start to first frame%s | %.1f ms | min %.1f, max %.1f | %d |\n",
        label.c_str(), median(times), *std::min_element(times.begin(), times.end()),
        *std::max_element(times.begin(), times.end()), runs);
    std::printf("| resident memory after start-up%s | %.1f MiB | min %.1f, max %.1f | %d |\n",
                label.c_str(), median(memory), *std::min_element(memory.begin(), memory.end()),
                *std::max_element(memory.begin(), memory.end()), runs);
    return 0;
}
