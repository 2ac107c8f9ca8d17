// The display mode switch: the main window's switch to 1024 × 768 and back, on a real X server
// that can switch (Xorg with the dummy driver) and, for the failure paths, on a fake layer;
// the end by signal; and the splash window of the real program's start.
#include "services/displaymode.h"
#include "services/quitsignals.h"
#include "services/xrandrlayer.h"
#include "tests/shell/dummyxserver.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QMap>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <cstring>
#include <optional>
#include <sys/types.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xrandr.h>
#include <X11/extensions/XTest.h>
// Xlib's macros that would clash with the code Qt's tools generate below.
#undef Bool
#undef None
#undef Status
#undef True
#undef False
#undef Always
#undef Success
#undef Unsorted

using namespace Qt::StringLiterals;
using namespace abacolo;
using namespace abacolo::test;

namespace {

// A display layer that tests set: the modes it offers, the size it is at, whether it refuses.
class FakeLayer : public DisplayLayer
{
public:
    FakeLayer(QSize current, QList<QSize> modes, bool refuses = false)
        : size(current), modes(std::move(modes)), refuses(refuses)
    {
    }
    QSize currentSize() const override { return size; }
    bool switchTo(QSize wanted) override
    {
        switches.append(wanted);
        if (refuses || !modes.contains(wanted))
            return false;
        size = wanted;
        return true;
    }

    QSize size;
    QList<QSize> modes;
    bool refuses;
    QList<QSize> switches;
};

// The program's windows come and go while the test looks at them: a window gone between
// listing and reading it is no failure (Xlib's default handler would end the test).
XErrorHandler defaultErrorHandler = nullptr;

int ignoreGoneWindows(::Display *display, XErrorEvent *event)
{
    if (event->error_code == BadWindow)
        return 0;
    return defaultErrorHandler(display, event);
}

// What the test sees of the dummy server, through a connection of its own.
class XView
{
public:
    explicit XView(const QByteArray &name)
        : display(XOpenDisplay(name.constData()))
    {
        if (!defaultErrorHandler)
            defaultErrorHandler = XSetErrorHandler(ignoreGoneWindows);
        if (display) {
            XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
            XSync(display, 0);
        }
    }
    ~XView()
    {
        if (display)
            XCloseDisplay(display);
    }
    XView(const XView &) = delete;
    XView &operator=(const XView &) = delete;

    QSize screenSize() const
    {
        XRRScreenConfiguration *config = XRRGetScreenInfo(display, DefaultRootWindow(display));
        Rotation rotation = 0;
        const SizeID current = XRRConfigCurrentConfiguration(config, &rotation);
        int count = 0;
        XRRScreenSize *sizes = XRRConfigSizes(config, &count);
        const QSize size(sizes[current].width, sizes[current].height);
        XRRFreeScreenConfigInfo(config);
        return size;
    }
    int rate() const
    {
        XRRScreenConfiguration *config = XRRGetScreenInfo(display, DefaultRootWindow(display));
        const int rate = XRRConfigCurrentRate(config);
        XRRFreeScreenConfigInfo(config);
        return rate;
    }
    int depth() const { return DefaultDepth(display, DefaultScreen(display)); }

    // A top-level window whose title contains `part`, viewable; 0 when there is none.
    Window viewableWindowNamed(const char *part) const
    {
        Window root = 0;
        Window parent = 0;
        Window *children = nullptr;
        unsigned int count = 0;
        Window found = 0;
        if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count))
            return 0;
        for (unsigned int i = 0; i < count && !found; ++i) {
            XWindowAttributes attributes;
            if (!XGetWindowAttributes(display, children[i], &attributes)
                || attributes.map_state != IsViewable)
                continue;
            char *name = nullptr;
            if (XFetchName(display, children[i], &name) && name) {
                if (std::strstr(name, part))
                    found = children[i];
                XFree(name);
            }
        }
        if (children)
            XFree(children);
        return found;
    }

    // The viewable top-level windows and where they stand.
    QMap<Window, QRect> viewableWindows() const
    {
        QMap<Window, QRect> found;
        Window root = 0;
        Window parent = 0;
        Window *children = nullptr;
        unsigned int count = 0;
        if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count))
            return found;
        for (unsigned int i = 0; i < count; ++i) {
            XWindowAttributes attributes;
            if (XGetWindowAttributes(display, children[i], &attributes)
                && attributes.map_state == IsViewable)
                found.insert(children[i], QRect(attributes.x, attributes.y, attributes.width,
                                                attributes.height));
        }
        if (children)
            XFree(children);
        return found;
    }

    // A viewable top-level that is not among `before`, once it has kept its place and size
    // over a few polls.
    std::optional<QRect> waitForNewWindow(const QMap<Window, QRect> &before) const;

    void click(QPoint at) const
    {
        XTestFakeMotionEvent(display, -1, at.x(), at.y(), CurrentTime);
        XTestFakeButtonEvent(display, 1, 1, CurrentTime);
        XTestFakeButtonEvent(display, 1, 0, CurrentTime);
        XSync(display, 0);
    }

    // Asks a window to close, as a window manager's close button does.
    void askToClose(Window window) const
    {
        XEvent event = {};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", 0);
        event.xclient.format = 32;
        event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", 0));
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent(display, window, 0, NoEventMask, &event);
        XFlush(display);
    }

    ::Display *display;
};

// The real program, started in an empty data folder on the given display.
class Program
{
public:
    explicit Program(const QByteArray &display)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"DISPLAY"_s, QString::fromLatin1(display));
        env.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
        env.insert(u"XDG_RUNTIME_DIR"_s, m_folder.path());
        env.insert(u"QTWEBENGINE_DISABLE_SANDBOX"_s, u"1"_s);
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(m_folder.path());
        process.setProgram(qEnvironmentVariable("ABACOLO_DATA_DIR") + u"/abacolo"_s);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    }
    ~Program()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(5'000);
        }
    }
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    QProcess process;

private:
    QTemporaryDir m_folder;
};

// Waits, a few milliseconds at a time, until `ready` holds or `ms` have passed.
template<typename Ready>
bool waitUntil(Ready ready, int ms = 60'000)
{
    const QDeadlineTimer deadline(ms);
    while (!ready()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(20);
    }
    return true;
}

std::optional<QRect> XView::waitForNewWindow(const QMap<Window, QRect> &before) const
{
    std::optional<QRect> settled;
    QRect last;
    int steady = 0;
    const bool found = waitUntil([&] {
        const QMap<Window, QRect> now = viewableWindows();
        for (auto it = now.cbegin(); it != now.cend(); ++it) {
            if (before.contains(it.key()))
                continue;
            steady = it.value() == last ? steady + 1 : 0;
            last = it.value();
            return steady >= 5;
        }
        steady = 0;
        return false;
    });
    if (found)
        settled = last;
    return settled;
}

} // namespace

class DisplayTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void fakeLayer_data();
    void fakeLayer();
    void noLayerLeavesTheScreenAlone();
    void terminationSignalEndsTheEventLoop();

    void xrandrLayerSwitchesOnlyToOfferedModes();
    void programSwitchesAndRestores_data();
    void programSwitchesAndRestores();
    void splashIsOneWindowGoneBeforeTheMainWindowShows();
    void lessonViewerFitsTheSwitchedScreen();

private:
    bool serverUp();

    DummyXServer m_server;
    bool m_serverTried = false;
    bool m_serverUp = false;
};

void DisplayTest::initTestCase()
{
    SavedScreenWidth = 0;
    SavedScreenHeight = 0;
}

bool DisplayTest::serverUp()
{
    if (!m_serverTried) {
        m_serverTried = true;
        m_serverUp = m_server.start();
        if (!m_serverUp)
            qWarning("dummy X server: %s", qPrintable(m_server.error()));
    }
    return m_serverUp;
}

void DisplayTest::fakeLayer_data()
{
    QTest::addColumn<QSize>("start");
    QTest::addColumn<QList<QSize>>("modes");
    QTest::addColumn<bool>("refuses");
    QTest::addColumn<QList<QSize>>("switches");   // what the layer was asked, both ways
    QTest::addColumn<QSize>("during");            // the size while the program runs
    QTest::addColumn<QPoint>("origin");           // where the design stands meanwhile

    const QSize big(1920, 1080);
    const QSize small(1024, 768);
    QTest::newRow("switches and restores") << big << QList<QSize>{big, small} << false
                                           << QList<QSize>{small, big} << small << QPoint(0, 0);
    QTest::newRow("already 1024 x 768: nothing to switch")
        << small << QList<QSize>{big, small} << false << QList<QSize>{} << small << QPoint(0, 0);
    QTest::newRow("mode missing: unchanged, centred")
        << big << QList<QSize>{big, QSize(1280, 1024)} << false << QList<QSize>{small} << big
        << QPoint(448, 156);
    QTest::newRow("refused: unchanged, centred") << big << QList<QSize>{big, small} << true
                                                 << QList<QSize>{small} << big << QPoint(448, 156);
    QTest::newRow("refused on a smaller screen: the corner")
        << QSize(800, 600) << QList<QSize>{QSize(800, 600), small} << true << QList<QSize>{small}
        << QSize(800, 600) << QPoint(0, 0);
}

void DisplayTest::fakeLayer()
{
    QFETCH(QSize, start);
    QFETCH(QList<QSize>, modes);
    QFETCH(bool, refuses);
    QFETCH(QList<QSize>, switches);
    QFETCH(QSize, during);
    QFETCH(QPoint, origin);

    auto layer = std::make_unique<FakeLayer>(start, modes, refuses);
    FakeLayer *fake = layer.get();
    ScreenDisplay display(std::move(layer));
    // As the main window does: remember, switch; at its end, switch back.
    const QSize saved = display.screenSize();
    QCOMPARE(saved, start);
    display.SetDisplaySize(1024, 768);
    QCOMPARE(display.screenSize(), during);
    QCOMPARE(display.designOrigin(), origin);
    display.SetDisplaySize(saved.width(), saved.height());
    QCOMPARE(display.screenSize(), start);
    QCOMPARE(fake->switches, switches);
}

void DisplayTest::noLayerLeavesTheScreenAlone()
{
    // Offscreen (as Wayland or no display): no layer, the toolkit's screen size, no change.
    ScreenDisplay display;
    const QSize before = display.screenSize();
    QVERIFY(before.isValid());
    display.SetDisplaySize(1024, 768);
    QCOMPARE(display.screenSize(), before);
    ScreenDisplay none(nullptr);
    none.SetDisplaySize(1024, 768);
    QCOMPARE(none.screenSize(), before);
}

void DisplayTest::terminationSignalEndsTheEventLoop()
{
    QVERIFY(QuitSignals::install());
    QVERIFY(QuitSignals::handles(SIGTERM) && QuitSignals::handles(SIGINT)
            && QuitSignals::handles(SIGHUP));
    QTimer::singleShot(0, [] { std::raise(SIGTERM); });
    bool timedOut = false;
    QTimer::singleShot(20'000, [&] {
        timedOut = true;
        QCoreApplication::exit(1);
    });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!timedOut);
}

void DisplayTest::xrandrLayerSwitchesOnlyToOfferedModes()
{
    if (!serverUp())
        QSKIP(qPrintable(m_server.error()));
    auto layer = XRandrLayer::open(m_server.displayName());
    QVERIFY(layer);
    QVERIFY(layer->switchTo(QSize(1920, 1080)));
    const int rate = layer->currentRate();
    QCOMPARE(layer->currentSize(), QSize(1920, 1080));

    QVERIFY(!layer->switchTo(QSize(1000, 700))); // no such mode
    QCOMPARE(layer->currentSize(), QSize(1920, 1080));

    QVERIFY(layer->switchTo(QSize(1024, 768)));
    XView view(m_server.displayName());
    QCOMPARE(view.screenSize(), QSize(1024, 768));
    QCOMPARE(layer->currentRate(), rate);
    QVERIFY(layer->switchTo(QSize(1920, 1080)));
    QCOMPARE(view.screenSize(), QSize(1920, 1080));
}

void DisplayTest::programSwitchesAndRestores_data()
{
    QTest::addColumn<QSize>("start");
    QTest::addColumn<int>("end"); // 0: the main window is closed; else the signal sent

    QTest::newRow("1920 x 1080, main window closed") << QSize(1920, 1080) << 0;
    QTest::newRow("1920 x 1080, SIGTERM") << QSize(1920, 1080) << int(SIGTERM);
    QTest::newRow("1920 x 1080, SIGINT") << QSize(1920, 1080) << int(SIGINT);
    QTest::newRow("1920 x 1080, SIGHUP") << QSize(1920, 1080) << int(SIGHUP);
    QTest::newRow("already 1024 x 768") << QSize(1024, 768) << 0;
    // Nothing switched: the signals still end the program the normal way.
    QTest::newRow("already 1024 x 768, SIGTERM") << QSize(1024, 768) << int(SIGTERM);
    QTest::newRow("already 1024 x 768, SIGINT") << QSize(1024, 768) << int(SIGINT);
    QTest::newRow("already 1024 x 768, SIGHUP") << QSize(1024, 768) << int(SIGHUP);
}

void DisplayTest::programSwitchesAndRestores()
{
    QFETCH(QSize, start);
    QFETCH(int, end);
    if (!serverUp())
        QSKIP(qPrintable(m_server.error()));
    {
        auto layer = XRandrLayer::open(m_server.displayName());
        QVERIFY(layer && layer->switchTo(start));
    }
    XView view(m_server.displayName());
    QVERIFY(view.display);
    QCOMPARE(view.screenSize(), start);
    const int rate = view.rate();
    const int depth = view.depth();

    Program program(m_server.displayName());
    program.process.start();
    QVERIFY(program.process.waitForStarted());
    Window main = 0;
    QVERIFY2(waitUntil([&] { return (main = view.viewableWindowNamed("v6.7")) != 0; }),
             "the main window did not show");
    QCOMPARE(view.screenSize(), QSize(1024, 768));

    if (end == 0)
        view.askToClose(main);
    else
        ::kill(pid_t(program.process.processId()), end);
    QVERIFY2(program.process.waitForFinished(30'000), "the program did not end");
    QCOMPARE(program.process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.process.exitCode(), 0);

    QCOMPARE(view.screenSize(), start);
    QCOMPARE(view.rate(), rate);
    QCOMPARE(view.depth(), depth);
}

void DisplayTest::splashIsOneWindowGoneBeforeTheMainWindowShows()
{
    if (!serverUp())
        QSKIP(qPrintable(m_server.error()));
    XView view(m_server.displayName());
    QVERIFY(view.display);
    // Drain what earlier tests left in the queue.
    while (XPending(view.display)) {
        XEvent event;
        XNextEvent(view.display, &event);
    }

    Program program(m_server.displayName());
    program.process.start();
    QVERIFY(program.process.waitForStarted());

    // The splash is the window of its size; watch it come and go, and the main window come.
    QList<Window> splashes;
    QList<Window> splashesMapped;
    bool splashGone = false;
    bool splashGoneBeforeMain = false;
    Window main = 0;
    const bool shown = waitUntil([&] {
        while (XPending(view.display)) {
            XEvent event;
            XNextEvent(view.display, &event);
            switch (event.type) {
            case CreateNotify:
                if (event.xcreatewindow.width == 338 && event.xcreatewindow.height == 183)
                    splashes.append(event.xcreatewindow.window);
                break;
            case MapNotify:
                if (splashes.contains(event.xmap.window))
                    splashesMapped.append(event.xmap.window);
                break;
            case UnmapNotify:
            case DestroyNotify:
                if (splashes.contains(event.type == UnmapNotify ? event.xunmap.window
                                                                : event.xdestroywindow.window))
                    splashGone = true;
                break;
            default:
                break;
            }
        }
        if (!main && (main = view.viewableWindowNamed("v6.7")) != 0)
            splashGoneBeforeMain = splashGone;
        return main != 0 && splashGone;
    });
    QVERIFY2(shown, "the main window or the splash's end was not seen");
    QCOMPARE(splashes.size(), 1);
    QCOMPARE(splashesMapped.size(), 1);
    QVERIFY(splashGoneBeforeMain);

    view.askToClose(main);
    QVERIFY(program.process.waitForFinished(30'000));
}

void DisplayTest::lessonViewerFitsTheSwitchedScreen()
{
    if (!serverUp())
        QSKIP(qPrintable(m_server.error()));
    {
        auto layer = XRandrLayer::open(m_server.displayName());
        QVERIFY(layer && layer->switchTo(QSize(1920, 1080)));
    }
    XView view(m_server.displayName());
    QVERIFY(view.display);
    Program program(m_server.displayName());
    program.process.start();
    QVERIFY(program.process.waitForStarted());
    QVERIFY2(waitUntil([&] { return view.viewableWindowNamed("v6.7") != 0; }),
             "the main window did not show");
    QCOMPARE(view.screenSize(), QSize(1024, 768));
    const QRect screen(0, 0, 1024, 768);

    // The topic "认识数字" (the first button of the grid) opens the digit chooser; its first
    // digit opens the lesson viewer.
    QMap<Window, QRect> before = view.viewableWindows();
    view.click(QPoint(376 + 28, 227 + 28));
    const std::optional<QRect> chooser = view.waitForNewWindow(before);
    QVERIFY2(chooser, "the digit chooser did not show");
    before = view.viewableWindows();
    view.click(chooser->topLeft() + QPoint(40 + 44, 56 + 32));
    const std::optional<QRect> viewer = view.waitForNewWindow(before);
    QVERIFY2(viewer, "the lesson viewer did not show");

    // All of it on the switched screen: its bar and speaker button along the bottom edge.
    QVERIFY2(screen.contains(*viewer),
             qPrintable(u"viewer at %1, %2, %3 x %4"_s.arg(viewer->x()).arg(viewer->y())
                            .arg(viewer->width()).arg(viewer->height())));
    QCOMPARE(viewer->size(), screen.size());

    ::kill(pid_t(program.process.processId()), SIGTERM);
    QVERIFY2(program.process.waitForFinished(30'000), "the program did not end");
    QCOMPARE(view.screenSize(), QSize(1920, 1080));
}

QTEST_MAIN(DisplayTest)
#include "test_display.moc"
