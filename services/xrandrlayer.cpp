#include "services/xrandrlayer.h"

#include <QGuiApplication>

// Xlib's headers come last: their macros (None, Bool, Status…) clash with Qt's names.
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

namespace abacolo {

namespace {

// X errors of our own requests are caught here instead of ending the program (Xlib's
// default), and turn into a refused switch.
int trappedError = 0;

int recordError(::Display *, XErrorEvent *event)
{
    trappedError = event->error_code;
    return 0;
}

class ErrorTrap
{
public:
    ErrorTrap()
        : m_previous(XSetErrorHandler(recordError))
    {
        trappedError = 0;
    }
    ~ErrorTrap() { XSetErrorHandler(m_previous); }
    ErrorTrap(const ErrorTrap &) = delete;
    ErrorTrap &operator=(const ErrorTrap &) = delete;

    bool failed() const { return trappedError != 0; }

private:
    XErrorHandler m_previous;
};

// One reading of the screen's configurations, freed on leaving.
class ScreenInfo
{
public:
    explicit ScreenInfo(::Display *display)
        : m_root(DefaultRootWindow(display))
        , m_config(XRRGetScreenInfo(display, m_root))
    {
        if (m_config) {
            m_current = XRRConfigCurrentConfiguration(m_config, &m_rotation);
            m_sizes = XRRConfigSizes(m_config, &m_count);
        }
    }
    ~ScreenInfo()
    {
        if (m_config)
            XRRFreeScreenConfigInfo(m_config);
    }
    ScreenInfo(const ScreenInfo &) = delete;
    ScreenInfo &operator=(const ScreenInfo &) = delete;

    bool valid() const { return m_config && m_sizes && m_current >= 0 && m_current < m_count; }

    // The size of configuration `index` on screen: turned a quarter, width and height swap.
    QSize size(int index) const
    {
        const XRRScreenSize &s = m_sizes[index];
        const bool quarter = (m_rotation & (RR_Rotate_90 | RR_Rotate_270)) != 0;
        return quarter ? QSize(s.height, s.width) : QSize(s.width, s.height);
    }
    int indexOf(QSize wanted) const
    {
        for (int i = 0; i < m_count; ++i) {
            if (size(i) == wanted)
                return i;
        }
        return -1;
    }
    bool offersRate(int index, short rate) const
    {
        int count = 0;
        const short *rates = XRRConfigRates(m_config, index, &count);
        for (int i = 0; rates && i < count; ++i) {
            if (rates[i] == rate)
                return true;
        }
        return false;
    }

    Window root() const { return m_root; }
    XRRScreenConfiguration *config() const { return m_config; }
    int current() const { return m_current; }
    Rotation rotation() const { return m_rotation; }

private:
    Window m_root;
    XRRScreenConfiguration *m_config;
    XRRScreenSize *m_sizes = nullptr;
    int m_count = 0;
    int m_current = -1;
    Rotation m_rotation = RR_Rotate_0;
};

} // namespace

XRandrLayer::XRandrLayer(_XDisplay *display)
    : m_display(display)
{
}

XRandrLayer::~XRandrLayer()
{
    XCloseDisplay(m_display);
}

std::unique_ptr<XRandrLayer> XRandrLayer::open(const QByteArray &displayName)
{
    ::Display *display = XOpenDisplay(displayName.isEmpty() ? nullptr : displayName.constData());
    if (!display)
        return nullptr;
    int eventBase = 0;
    int errorBase = 0;
    if (!XRRQueryExtension(display, &eventBase, &errorBase)) {
        XCloseDisplay(display);
        return nullptr;
    }
    return std::unique_ptr<XRandrLayer>(new XRandrLayer(display));
}

QSize XRandrLayer::currentSize() const
{
    ErrorTrap trap;
    const ScreenInfo info(m_display);
    if (trap.failed() || !info.valid())
        return {};
    return info.size(info.current());
}

bool XRandrLayer::offers(QSize size) const
{
    ErrorTrap trap;
    const ScreenInfo info(m_display);
    return !trap.failed() && info.valid() && info.indexOf(size) >= 0;
}

int XRandrLayer::currentRate() const
{
    ErrorTrap trap;
    const ScreenInfo info(m_display);
    if (trap.failed() || !info.valid())
        return 0;
    return XRRConfigCurrentRate(info.config());
}

bool XRandrLayer::switchTo(QSize size)
{
    ErrorTrap trap;
    const ScreenInfo info(m_display);
    if (trap.failed() || !info.valid())
        return false;
    const int index = info.indexOf(size);
    if (index < 0)
        return false; // the display has no such mode
    // Keep the refresh rate where the new size offers it; otherwise the server picks one.
    // Colour depth is not part of an X screen configuration: it always stays.
    const short rate = XRRConfigCurrentRate(info.config());
    const Status status = info.offersRate(index, rate)
        ? XRRSetScreenConfigAndRate(m_display, info.config(), info.root(), index,
                                    info.rotation(), rate, CurrentTime)
        : XRRSetScreenConfig(m_display, info.config(), info.root(), index, info.rotation(),
                             CurrentTime);
    XSync(m_display, False);
    // cppcheck-suppress knownConditionTrueFalse ; the X error handler sets the trap's flag during XSync
    return status == RRSetConfigSuccess && !trap.failed();
}

std::unique_ptr<DisplayLayer> openSystemDisplayLayer()
{
    if (QGuiApplication::platformName() != u"xcb")
        return nullptr;
    QByteArray name;
    if (auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
        if (::Display *display = x11->display())
            name = DisplayString(display);
    }
    return XRandrLayer::open(name);
}

} // namespace abacolo
