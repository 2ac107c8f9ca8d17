// Starts the program once under the current X display and reports, in milliseconds from
// process start:
//   shown  the main window is mapped;
//   ready  the main window is painted and takes input: the time of its first paint plus the
//          time it then takes to handle an input. The input: once the paint has settled the
//          pointer is put on the topic button "统计", which swaps its picture when the mouse
//          enters it, and the probe watches the button's pixels until the new picture is on
//          the screen (pointer event in, handler run, picture loaded, repainted, flushed).
// then the resident memory a moment later, when start-up has settled (all fourteen windows
// created). Output: "<shown-ms> <rss-kB> <ready-ms>".
//
//   startup_probe <data-folder> <program> [settle-ms]
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

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
#include <vector>

namespace {

// The topic button "统计" (suiImageButton9): 57 × 57 at (712, 331) in the main window.
constexpr int ButtonLeft = 712;
constexpr int ButtonTop = 331;
constexpr int ButtonSize = 57;

using Clock = std::chrono::steady_clock;

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

std::vector<unsigned long> pixels(Display *display, int x, int y)
{
    std::vector<unsigned long> values;
    XImage *image = XGetImage(display, DefaultRootWindow(display), x, y, ButtonSize, ButtonSize,
                              AllPlanes, ZPixmap);
    if (!image)
        return values;
    values.reserve(ButtonSize * ButtonSize);
    for (int row = 0; row < ButtonSize; ++row) {
        for (int column = 0; column < ButtonSize; ++column)
            values.push_back(XGetPixel(image, column, row));
    }
    XDestroyImage(image);
    return values;
}

double since(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Polls the button's pixels until they differ from `before`, for at most 20 s.
bool waitForChange(Display *display, int x, int y, const std::vector<unsigned long> &before,
                   std::vector<unsigned long> *after)
{
    const auto start = Clock::now();
    while (since(start) < 20000) {
        std::vector<unsigned long> now = pixels(display, x, y);
        if (!now.empty() && now != before) {
            if (after)
                *after = std::move(now);
            return true;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    return false;
}

int ignoreXError(Display *, XErrorEvent *)
{
    return 0; // a window may vanish while it is looked at
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <data-folder> <program> [settle-ms]\n", argv[0]);
        return 2;
    }
    const int settleMs = argc > 3 ? std::atoi(argv[3]) : 1500;
    XSetErrorHandler(ignoreXError);
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    int opcode = 0, event = 0, error = 0, major = 0, minor = 0;
    const bool xtest = XQueryExtension(display, "XTEST", &opcode, &event, &error)
                       && XTestQueryExtension(display, &event, &error, &major, &minor);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    // The pointer waits away from the topic buttons, bottom right.
    if (xtest)
        XTestFakeMotionEvent(display, -1, 1010, 750, CurrentTime);
    XSync(display, False);

    const auto started = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        if (chdir(argv[1]) != 0)
            _exit(127);
        execl(argv[2], argv[2], static_cast<char *>(nullptr));
        _exit(127);
    }

    double shownMs = -1;
    Window main = 0;
    while (shownMs < 0) {
        XEvent e;
        XNextEvent(display, &e);
        if (e.type == MapNotify && isMainWindow(display, e.xmap.window)) {
            shownMs = since(started);
            main = e.xmap.window;
        }
    }

    double readyMs = -1;
    XWindowAttributes attributes;
    if (xtest && XGetWindowAttributes(display, main, &attributes)) {
        const int x = attributes.x + ButtonLeft;
        const int y = attributes.y + ButtonTop;
        // Painted: the button's spot changes from what was there at the map.
        const std::vector<unsigned long> unpainted = pixels(display, x, y);
        std::vector<unsigned long> painted;
        if (waitForChange(display, x, y, unpainted, &painted)) {
            const double paintedMs = since(started);
            // Settled: a paint may come in parts; take the picture once it stays for 20 ms.
            auto steady = Clock::now();
            while (since(steady) < 20) {
                std::vector<unsigned long> now = pixels(display, x, y);
                if (now != painted) {
                    painted = std::move(now);
                    steady = Clock::now();
                }
            }
            const auto moved = Clock::now();
            XTestFakeMotionEvent(display, -1, x + ButtonSize / 2, y + ButtonSize / 2, CurrentTime);
            XSync(display, False);
            // Ready = first painted + the time the program takes to handle an input; the
            // probe's own settling wait between the two is not counted.
            if (waitForChange(display, x, y, painted, nullptr))
                readyMs = paintedMs + since(moved);
        }
    }

    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    const long rss = residentKb(child);
    kill(child, SIGTERM);
    int status = 0;
    waitpid(child, &status, 0);
    XCloseDisplay(display);
    std::printf("%.1f %ld %.1f\n", shownMs, rss, readyMs);
    return 0;
}
