// What the X probes of this folder share: the clock, the screen's pixels, waiting for them to
// change, finding the main window, starting the program.
#pragma once

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstring>
#include <thread>
#include <unistd.h>
#include <vector>

namespace probe {

using Clock = std::chrono::steady_clock;

inline double since(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The pixels of a rectangle of the screen, `step` apart both ways; empty if it cannot be read.
inline std::vector<unsigned long> pixels(Display *display, int x, int y, int width, int height,
                                         int step = 1)
{
    std::vector<unsigned long> values;
    XImage *image = XGetImage(display, DefaultRootWindow(display), x, y, width, height, AllPlanes,
                              ZPixmap);
    if (!image)
        return values;
    values.reserve(size_t(width / step + 1) * size_t(height / step + 1));
    for (int row = 0; row < height; row += step) {
        for (int column = 0; column < width; column += step)
            values.push_back(XGetPixel(image, column, row));
    }
    XDestroyImage(image);
    return values;
}

// Polls a square of the screen until its pixels differ from `before`, for at most 20 s.
inline bool waitForChange(Display *display, int x, int y, int side,
                          const std::vector<unsigned long> &before,
                          std::vector<unsigned long> *after)
{
    const auto start = Clock::now();
    while (since(start) < 20000) {
        std::vector<unsigned long> now = pixels(display, x, y, side, side);
        if (!now.empty() && now != before) {
            if (after)
                *after = std::move(now);
            return true;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    return false;
}

// Waits until a square of the screen stays the same for `quietMs`; returns its pixels.
inline std::vector<unsigned long> settled(Display *display, int x, int y, int side, double quietMs)
{
    std::vector<unsigned long> last = pixels(display, x, y, side, side);
    auto steady = Clock::now();
    while (since(steady) < quietMs) {
        std::vector<unsigned long> now = pixels(display, x, y, side, side);
        if (now != last) {
            last = std::move(now);
            steady = Clock::now();
        }
    }
    return last;
}

inline bool titleHas(Display *display, Window window, const char *part)
{
    char *name = nullptr;
    if (!XFetchName(display, window, &name) || !name)
        return false;
    const bool found = std::strstr(name, part) != nullptr;
    XFree(name);
    return found;
}

inline bool isMainWindow(Display *display, Window window)
{
    return titleHas(display, window, "Abacolo") && titleHas(display, window, "v6.7");
}

// Starts `program` with `folder` as its current directory; returns its process id.
inline pid_t startIn(const char *folder, const char *program)
{
    const pid_t child = fork();
    if (child == 0) {
        if (chdir(folder) != 0)
            _exit(127);
        execl(program, program, static_cast<char *>(nullptr));
        _exit(127);
    }
    return child;
}

inline int ignoreXError(Display *, XErrorEvent *)
{
    return 0; // a window may vanish while it is looked at
}

} // namespace probe
