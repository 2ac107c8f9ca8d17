// Starts any program under the current X display and reports the time from process start to
// its first top-level window mapped (the X server's MapNotify for a window that is not a
// menu or tip), then, after `settle-ms`, the resident and proportional memory of the program
// and every process it started (from /proc/<pid>/smaps_rollup). The program and its children
// are then ended. Output: "<mapped-ms> <rss-kB> <pss-kB>".
//
//   map_probe <settle-ms> <program> [arguments...]
#include "xscreen.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

using namespace probe;

namespace {

long field(const std::string &file, const std::string &name)
{
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind(name, 0) == 0)
            return std::strtol(line.c_str() + name.size(), nullptr, 10);
    }
    return 0;
}

// `root` and its descendants, from the parent of every process in /proc.
std::set<pid_t> tree(pid_t root)
{
    std::set<pid_t> found{root};
    bool grew = true;
    while (grew) {
        grew = false;
        DIR *proc = opendir("/proc");
        while (dirent *entry = proc ? readdir(proc) : nullptr) {
            const pid_t pid = std::atoi(entry->d_name);
            if (pid <= 0 || found.count(pid))
                continue;
            std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
            std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
            const size_t close = text.rfind(')');
            if (close == std::string::npos)
                continue;
            std::istringstream rest(text.substr(close + 2));
            char state = 0;
            pid_t parent = 0;
            rest >> state >> parent;
            if (found.count(parent)) {
                found.insert(pid);
                grew = true;
            }
        }
        if (proc)
            closedir(proc);
    }
    return found;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <settle-ms> <program> [arguments...]\n", argv[0]);
        return 2;
    }
    const int settleMs = std::atoi(argv[1]);
    XSetErrorHandler(ignoreXError);
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto started = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        setpgid(0, 0);
        // The program's own messages would mix with the probe's output.
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDOUT_FILENO);
        dup2(quiet, STDERR_FILENO);
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    setpgid(child, child);

    double mappedMs = -1;
    while (mappedMs < 0 && since(started) < 60000) {
        if (!XPending(display)) {
            std::this_thread::sleep_for(std::chrono::microseconds(200));
            continue;
        }
        XEvent e;
        XNextEvent(display, &e);
        if (e.type == MapNotify && !e.xmap.override_redirect)
            mappedMs = since(started);
    }

    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    long rss = 0, pss = 0;
    for (const pid_t pid : tree(child)) {
        const std::string rollup = "/proc/" + std::to_string(pid) + "/smaps_rollup";
        rss += field(rollup, "Rss:");
        pss += field(rollup, "Pss:");
    }
    kill(-child, SIGTERM);
    int status = 0;
    for (int i = 0; i < 50 && waitpid(child, &status, WNOHANG) == 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    kill(-child, SIGKILL);
    waitpid(child, &status, 0);
    XCloseDisplay(display);
    std::printf("%.1f %ld %ld\n", mappedMs, rss, pss);
    return 0;
}
