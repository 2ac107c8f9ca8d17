// Starts the program once under the current X display, waits until its main window is painted
// and settled, then clicks each topic button in turn, first to last. For each window a button
// brings up it reports the time from the click (the button released) to the window's first
// frame on the screen: the window mapped and at least a quarter of its area (sampled every
// 4 pixels) changed from what was there before the click. The window is then closed as a
// window manager would (WM_DELETE_WINDOW) and the screen left to settle before the next click.
// Output, one line per topic: "<topic> <ms> <caption>", or "<topic> - -" when it opens nothing.
//
//   topic_probe <data-folder> <program>
#include "xscreen.h"

#include <X11/Xatom.h>
#include <X11/extensions/XTest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

using namespace probe;

namespace {

// The topic grid of the main window: four rows of five 57-pixel buttons.
constexpr int ButtonSide = 57;
constexpr int ButtonTops[] = {227, 331, 435, 547};
constexpr int ButtonLefts[] = {376, 488, 600, 712, 832};
constexpr int TopicCount = 20;
constexpr int SampleStep = 4;

struct Shown
{
    Window window = 0;
    XWindowAttributes attributes{};
};

// The next ordinary top-level window mapped (not the main window, not a menu or tip), within
// `timeoutMs`.
bool nextWindowMapped(Display *display, Window main, double timeoutMs, Shown *shown)
{
    const auto start = Clock::now();
    while (since(start) < timeoutMs) {
        while (XPending(display)) {
            XEvent e;
            XNextEvent(display, &e);
            if (e.type != MapNotify || e.xmap.override_redirect || e.xmap.window == main)
                continue;
            shown->window = e.xmap.window;
            if (XGetWindowAttributes(display, shown->window, &shown->attributes))
                return true;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    return false;
}

bool waitForUnmap(Display *display, Window window, double timeoutMs)
{
    const auto start = Clock::now();
    while (since(start) < timeoutMs) {
        while (XPending(display)) {
            XEvent e;
            XNextEvent(display, &e);
            if (e.type == UnmapNotify && e.xunmap.window == window)
                return true;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    return false;
}

// The part of `screen` (sampled like pixels() with SampleStep over the whole screen) under a
// rectangle.
std::vector<unsigned long> under(const std::vector<unsigned long> &screen, int screenWidth, int x,
                                 int y, int width, int height)
{
    const int columns = (screenWidth + SampleStep - 1) / SampleStep;
    std::vector<unsigned long> values;
    for (int row = y; row < y + height; row += SampleStep) {
        for (int column = x; column < x + width; column += SampleStep) {
            const size_t at = size_t(row / SampleStep) * size_t(columns) + size_t(column / SampleStep);
            values.push_back(at < screen.size() ? screen[at] : 0);
        }
    }
    return values;
}

void closeWindow(Display *display, Window window)
{
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = window;
    e.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &e);
    XFlush(display);
}

std::string caption(Display *display, Window window)
{
    XTextProperty property;
    std::string text = "?";
    Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom name = XInternAtom(display, "_NET_WM_NAME", False);
    if (XGetTextProperty(display, window, &property, name) && property.value) {
        if (property.encoding == utf8)
            text.assign(reinterpret_cast<char *>(property.value), property.nitems);
        XFree(property.value);
    }
    // The program's name after the caption is left out; spaces would split the output.
    const std::string suffix = " —  Abacolo";
    if (text.size() > suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0)
        text.resize(text.size() - suffix.size());
    for (char &c : text) {
        if (c == ' ')
            c = '_';
    }
    return text;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <data-folder> <program>\n", argv[0]);
        return 2;
    }
    XSetErrorHandler(ignoreXError);
    Display *display = XOpenDisplay(nullptr);
    int event = 0, error = 0, major = 0, minor = 0;
    if (!display || !XTestQueryExtension(display, &event, &error, &major, &minor)) {
        std::fprintf(stderr, "no X display with XTEST\n");
        return 2;
    }
    const int screenWidth = DisplayWidth(display, DefaultScreen(display));
    const int screenHeight = DisplayHeight(display, DefaultScreen(display));
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XTestFakeMotionEvent(display, -1, screenWidth - 14, screenHeight - 18, CurrentTime);
    XSync(display, False);

    const pid_t child = startIn(argv[1], argv[2]);

    Window main = 0;
    while (!main) {
        XEvent e;
        XNextEvent(display, &e);
        if (e.type == MapNotify && isMainWindow(display, e.xmap.window))
            main = e.xmap.window;
    }
    XWindowAttributes mainAttributes;
    XGetWindowAttributes(display, main, &mainAttributes);
    // Painted and settled: the last button of the grid drawn, then nothing moving for 300 ms.
    {
        const int x = mainAttributes.x + ButtonLefts[4], y = mainAttributes.y + ButtonTops[3];
        waitForChange(display, x, y, ButtonSide, pixels(display, x, y, ButtonSide, ButtonSide), nullptr);
        settled(display, 0, 0, std::min(screenWidth, screenHeight), 300);
    }

    for (int topic = 1; topic <= TopicCount; ++topic) {
        const int x = mainAttributes.x + ButtonLefts[(topic - 1) % 5] + ButtonSide / 2;
        const int y = mainAttributes.y + ButtonTops[(topic - 1) / 5] + ButtonSide / 2;
        XTestFakeMotionEvent(display, -1, x, y, CurrentTime);
        XTestFakeButtonEvent(display, 1, True, CurrentTime);
        XSync(display, False);
        // The button's own hover and press pictures settle before the screen is taken.
        settled(display, x - ButtonSide / 2, y - ButtonSide / 2, ButtonSide, 60);
        const std::vector<unsigned long> before =
            pixels(display, 0, 0, screenWidth, screenHeight, SampleStep);
        while (XPending(display)) {
            XEvent e;
            XNextEvent(display, &e);
        }
        const auto clicked = Clock::now();
        XTestFakeButtonEvent(display, 1, False, CurrentTime);
        XSync(display, False);

        Shown shown;
        if (!nextWindowMapped(display, main, 3000, &shown)) {
            std::printf("%d - -\n", topic);
            continue;
        }
        const XWindowAttributes &a = shown.attributes;
        const int left = std::max(0, a.x), top = std::max(0, a.y);
        const int width = std::min(a.width, screenWidth - left);
        const int height = std::min(a.height, screenHeight - top);
        const std::vector<unsigned long> was = under(before, screenWidth, left, top, width, height);
        double paintedMs = -1;
        while (since(clicked) < 20000) {
            const std::vector<unsigned long> now = pixels(display, left, top, width, height, SampleStep);
            size_t changed = 0;
            for (size_t i = 0; i < now.size() && i < was.size(); ++i)
                changed += now[i] != was[i];
            if (!now.empty() && changed * 4 >= now.size()) {
                paintedMs = since(clicked);
                break;
            }
            std::this_thread::sleep_for(std::chrono::microseconds(300));
        }
        std::printf("%d %.1f %s\n", topic, paintedMs, caption(display, shown.window).c_str());
        std::fflush(stdout);

        settled(display, left, top, std::min(width, height), 100);
        closeWindow(display, shown.window);
        waitForUnmap(display, shown.window, 3000);
        settled(display, 0, 0, std::min(screenWidth, screenHeight), 100);
    }

    kill(child, SIGTERM);
    int status = 0;
    waitpid(child, &status, 0);
    XCloseDisplay(display);
    return 0;
}
