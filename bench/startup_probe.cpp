// Starts the program once under the current X display and reports, in milliseconds from
// process start:
//   shown  the main window is mapped;
//   ready  the main window is painted and takes input: the time of its first paint plus the
//          time it then takes to handle an input. The input: once the paint has settled the
//          pointer is put on the topic button "统计", which swaps its picture when the mouse
//          enters it, and the probe watches the button's pixels until the new picture is on
//          the screen (pointer event in, handler run, picture loaded, repainted, flushed).
// then the resident and proportional memory a moment later, when start-up has settled (every
// window created). Output: "<shown-ms> <rss-kB> <ready-ms> <pss-kB> <painted-ms>".
//
//   startup_probe <data-folder> <program> [settle-ms]
#include "xscreen.h"

#include <X11/extensions/XTest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

using namespace probe;

namespace {

// The topic button "统计" (suiImageButton9): 57 × 57 at (712, 331) in the main window.
constexpr int ButtonLeft = 712;
constexpr int ButtonTop = 331;
constexpr int ButtonSize = 57;

// A field of /proc/<pid>/smaps_rollup in kB ("Rss:", "Pss:"), or -1.
long memoryKb(pid_t pid, const std::string &field)
{
    std::ifstream rollup("/proc/" + std::to_string(pid) + "/smaps_rollup");
    std::string line;
    while (std::getline(rollup, line)) {
        if (line.rfind(field, 0) == 0)
            return std::strtol(line.c_str() + field.size(), nullptr, 10);
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
    const pid_t child = startIn(argv[1], argv[2]);

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
    double paintedMs = -1;
    XWindowAttributes attributes;
    if (xtest && XGetWindowAttributes(display, main, &attributes)) {
        const int x = attributes.x + ButtonLeft;
        const int y = attributes.y + ButtonTop;
        // Painted: the button's spot changes from what was there at the map.
        const std::vector<unsigned long> unpainted = pixels(display, x, y, ButtonSize, ButtonSize);
        std::vector<unsigned long> painted;
        if (waitForChange(display, x, y, ButtonSize, unpainted, &painted)) {
            paintedMs = since(started);
            // Settled: a paint may come in parts; take the picture once it stays for 20 ms.
            auto steady = Clock::now();
            while (since(steady) < 20) {
                std::vector<unsigned long> now = pixels(display, x, y, ButtonSize, ButtonSize);
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
            if (waitForChange(display, x, y, ButtonSize, painted, nullptr))
                readyMs = paintedMs + since(moved);
        }
    }

    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    const long rss = memoryKb(child, "Rss:");
    const long pss = memoryKb(child, "Pss:");
    kill(child, SIGTERM);
    int status = 0;
    waitpid(child, &status, 0);
    XCloseDisplay(display);
    std::printf("%.1f %ld %.1f %ld %.1f\n", shownMs, rss, readyMs, pss, paintedMs);
    return 0;
}
