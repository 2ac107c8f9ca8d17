// Starts the program once under the current X display and reports, in milliseconds, the time
// from process start to the main window being mapped, then the resident memory a moment
// later when start-up has settled. Output: "<ms> <rss-kB>".
//
//   startup_probe <data-folder> <program> [settle-ms]
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

bool isMainWindow(Display *display, Window window)
{
    char *name = nullptr;
    if (!XFetchName(display, window, &name) || !name)
        return false;
    const bool found = std::strstr(name, "Abacolo") != nullptr && std::strstr(name, "v6.7");
    XFree(name);
    return found;
}

long residentKb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <data-folder> <program> [settle-ms]\n", argv[0]);
        return 2;
    }
    const int settleMs = argc > 3 ? std::atoi(argv[3]) : 1500;
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto started = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        if (chdir(argv[1]) != 0)
            _exit(127);
        execl(argv[2], argv[2], static_cast<char *>(nullptr));
        _exit(127);
    }

    double shownMs = -1;
    while (shownMs < 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && isMainWindow(display, event.xmap.window))
            shownMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now()
                                                                - started).count();
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    const long rss = residentKb(child);
    kill(child, SIGTERM);
    int status = 0;
    waitpid(child, &status, 0);
    XCloseDisplay(display);
    std::printf("%.1f %ld\n", shownMs, rss);
    return 0;
}
