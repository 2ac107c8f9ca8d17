#include "driver.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QThread>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <cstdlib>

using namespace Qt::StringLiterals;

namespace abacolo::e2e {

bool waitUntil(const std::function<bool()> &condition, int timeoutMs, int intervalMs)
{
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        if (condition())
            return true;
        if (clock.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(unsigned(intervalMs));
    }
}

// ---------------------------------------------------------------------------------------------
// X server

namespace {

// A window may go away between listing it and asking about it: such errors are expected and
// the query simply finds nothing.
int ignoreXError(Display *, XErrorEvent *)
{
    return 0;
}

} // namespace

XServer::XServer()
{
    XSetErrorHandler(ignoreXError);
    // -displayfd: the server picks a free display number and writes it once it takes
    // connections. -br: a black root, so that an unpainted spot reads black.
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    m_process.start(u"Xvfb"_s, {u"-displayfd"_s, u"1"_s, u"-screen"_s, u"0"_s, u"1024x768x24"_s,
                                u"-nolisten"_s, u"tcp"_s, u"-br"_s, u"-noreset"_s,
                                u"+extension"_s, u"RANDR"_s});
    if (!m_process.waitForStarted(10000)) {
        m_error = u"Xvfb did not start: "_s + m_process.errorString();
        return;
    }
    QByteArray number;
    waitUntil([&] {
        m_process.waitForReadyRead(50);
        number += m_process.readAllStandardOutput();
        return number.contains('\n') || m_process.state() == QProcess::NotRunning;
    }, 15000);
    number = number.trimmed();
    if (number.isEmpty()) {
        m_error = u"Xvfb gave no display number: "_s + QString::fromLocal8Bit(m_process.readAllStandardError());
        return;
    }
    m_name = u":"_s + QString::fromLatin1(number);
    m_display = XOpenDisplay(m_name.toLatin1().constData());
    if (!m_display) {
        m_error = u"cannot open display "_s + m_name;
        return;
    }
    int opcode = 0, event = 0, error = 0;
    if (!XQueryExtension(m_display, "RANDR", &opcode, &event, &error))
        m_error = u"the X server has no RandR"_s;
    if (!XQueryExtension(m_display, "XTEST", &opcode, &event, &error)) {
        m_error = u"the X server has no XTEST"_s;
        XCloseDisplay(m_display);
        m_display = nullptr;
    }
}

XServer::~XServer()
{
    if (m_display)
        XCloseDisplay(m_display);
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(5000)) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Screen

namespace {

QString windowTitle(Display *display, Window window)
{
    const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    QString title;
    if (XGetWindowProperty(display, window, netName, 0, 1024, False, utf8, &type, &format,
                           &count, &after, &data) == Success && data && type == utf8) {
        title = QString::fromUtf8(reinterpret_cast<const char *>(data), int(count));
    }
    if (data)
        XFree(data);
    if (title.isEmpty()) {
        char *name = nullptr;
        if (XFetchName(display, window, &name) && name) {
            title = QString::fromLocal8Bit(name);
            XFree(name);
        }
    }
    // The window system shows a window's caption followed by the application's name:
    // "数一数有几个 —  Abacolo". The caption is what the window itself says.
    const QString suffix = u" \u2014  Abacolo"_s;
    if (title.endsWith(suffix))
        title.chop(suffix.size());
    return title;
}

KeyCode keycodeOf(Display *display, KeySym symbol)
{
    return XKeysymToKeycode(display, symbol);
}

int distance(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b))
           + std::abs(qBlue(a) - qBlue(b));
}

} // namespace

void Screen::sync() const
{
    XSync(m_server.display(), False);
}

QList<WindowInfo> Screen::topLevels() const
{
    Display *display = m_server.display();
    QList<WindowInfo> found;
    if (!display)
        return found;
    Window root = 0, parent = 0;
    Window *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count))
        return found;
    for (unsigned int i = 0; i < count; ++i) {
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(display, children[i], &attributes))
            continue;
        WindowInfo info;
        info.id = children[i];
        info.title = windowTitle(display, children[i]);
        info.geometry = QRect(attributes.x, attributes.y, attributes.width, attributes.height);
        info.viewable = attributes.map_state == IsViewable;
        found.append(info);
    }
    if (children)
        XFree(children);
    return found;
}

std::optional<WindowInfo> Screen::window(const QString &title) const
{
    // Stacking order: the last child is on top; the topmost viewable one wins.
    const QList<WindowInfo> all = topLevels();
    for (auto it = all.crbegin(); it != all.crend(); ++it) {
        if (it->viewable && it->title == title)
            return *it;
    }
    return std::nullopt;
}

std::optional<WindowInfo> Screen::waitForWindow(const QString &title, int timeoutMs) const
{
    std::optional<WindowInfo> last;
    std::optional<WindowInfo> settled;
    waitUntil([&] {
        const std::optional<WindowInfo> now = window(title);
        if (now && last && now->geometry == last->geometry)
            settled = now;
        last = now;
        return settled.has_value();
    }, timeoutMs);
    return settled;
}

bool Screen::waitForWindowGone(const QString &title, int timeoutMs) const
{
    return waitUntil([&] { return !window(title).has_value(); }, timeoutMs);
}

QSet<unsigned long> Screen::viewableIds() const
{
    QSet<unsigned long> ids;
    for (const WindowInfo &info : topLevels()) {
        if (info.viewable)
            ids.insert(info.id);
    }
    return ids;
}

std::optional<WindowInfo> Screen::waitForNewWindow(const QSet<unsigned long> &before,
                                                   int timeoutMs) const
{
    std::optional<WindowInfo> last;
    std::optional<WindowInfo> settled;
    waitUntil([&] {
        std::optional<WindowInfo> now;
        for (const WindowInfo &info : topLevels()) {
            if (info.viewable && !before.contains(info.id))
                now = info;
        }
        if (now && last && now->id == last->id && now->geometry == last->geometry
            && now->title == last->title)
            settled = now;
        last = now;
        return settled.has_value();
    }, timeoutMs);
    return settled;
}

bool Screen::waitForHidden(unsigned long id, int timeoutMs) const
{
    return waitUntil([&] { return !viewableIds().contains(id); }, timeoutMs);
}

void Screen::moveTo(QPoint at)
{
    XTestFakeMotionEvent(m_server.display(), -1, at.x(), at.y(), CurrentTime);
    sync();
}

void Screen::press(QPoint at)
{
    moveTo(at);
    XTestFakeButtonEvent(m_server.display(), 1, True, CurrentTime);
    sync();
}

void Screen::release()
{
    XTestFakeButtonEvent(m_server.display(), 1, False, CurrentTime);
    sync();
}

void Screen::click(QPoint at)
{
    press(at);
    release();
}

void Screen::drag(QPoint from, QPoint to)
{
    press(from);
    constexpr int Steps = 10;
    for (int step = 1; step <= Steps; ++step) {
        moveTo(from + (to - from) * step / Steps);
        // Let the program follow each step, as it would follow a hand.
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(15);
    }
    release();
}

void Screen::key(const char *keysymName)
{
    Display *display = m_server.display();
    const KeyCode code = keycodeOf(display, XStringToKeysym(keysymName));
    XTestFakeKeyEvent(display, code, True, CurrentTime);
    XTestFakeKeyEvent(display, code, False, CurrentTime);
    sync();
}

void Screen::keyCombination(const char *modifierName, const char *keysymName)
{
    Display *display = m_server.display();
    const KeyCode modifier = keycodeOf(display, XStringToKeysym(modifierName));
    const KeyCode code = keycodeOf(display, XStringToKeysym(keysymName));
    XTestFakeKeyEvent(display, modifier, True, CurrentTime);
    XTestFakeKeyEvent(display, code, True, CurrentTime);
    XTestFakeKeyEvent(display, code, False, CurrentTime);
    XTestFakeKeyEvent(display, modifier, False, CurrentTime);
    sync();
}

void Screen::type(const QString &text)
{
    for (const QChar c : text) {
        if (c == u'\n')
            key("Return");
        else if (c == u'-')
            key("minus");
        else
            key(QString(c).toLatin1().constData());
    }
}

QImage Screen::grab(const QRect &area) const
{
    Display *display = m_server.display();
    const QRect clipped = area.intersected(QRect(0, 0, 1024, 768));
    QImage image(clipped.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    if (!display || clipped.isEmpty())
        return image;
    XImage *shot = XGetImage(display, DefaultRootWindow(display), clipped.x(), clipped.y(),
                             unsigned(clipped.width()), unsigned(clipped.height()), AllPlanes,
                             ZPixmap);
    if (!shot)
        return image;
    for (int y = 0; y < clipped.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < clipped.width(); ++x) {
            const unsigned long pixel = XGetPixel(shot, x, y);
            line[x] = qRgb(int((pixel >> 16) & 0xff), int((pixel >> 8) & 0xff), int(pixel & 0xff));
        }
    }
    XDestroyImage(shot);
    return image;
}

double Screen::shareNot(const QRect &area, QRgb colour) const
{
    return 1.0 - shareOf(area, colour);
}

double Screen::shareOf(const QRect &area, QRgb colour) const
{
    const QImage image = grab(area);
    if (image.isNull() || image.width() * image.height() == 0)
        return 0;
    qint64 close = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            close += distance(line[x], colour) <= 24 ? 1 : 0;
    }
    return double(close) / double(image.width() * image.height());
}

// ---------------------------------------------------------------------------------------------
// Program

namespace {

// The data folder holds the tables, the skin and the movies. Tables and skin are copied (each
// test gets fresh tables); the large read-only folders are linked.
bool copyDataFolder(const QString &from, const QString &to)
{
    const QDir source(from);
    const QStringList linked{u"numbers"_s, u"plugins"_s};
    for (const QFileInfo &entry : source.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
        const QString target = to + u'/' + entry.fileName();
        if (entry.isDir()) {
            if (linked.contains(entry.fileName())) {
                if (!QFile::link(entry.absoluteFilePath(), target))
                    return false;
                continue;
            }
            QDirIterator it(entry.absoluteFilePath(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString file = it.next();
                const QString copy = target + file.mid(entry.absoluteFilePath().size());
                QDir().mkpath(QFileInfo(copy).absolutePath());
                if (!QFile::copy(file, copy))
                    return false;
            }
            QDir().mkpath(target);
        } else if (entry.fileName() != u"abacolo"_s) {
            if (!QFile::copy(entry.absoluteFilePath(), target))
                return false;
        }
    }
    return true;
}

} // namespace

Program::Program(const QString &dataDir)
{
    const QString from = dataDir.isEmpty() ? qEnvironmentVariable("ABACOLO_DATA_DIR") : dataDir;
    m_executable = from + u"/abacolo"_s;
    if (!m_copy.isValid() || !copyDataFolder(from, m_copy.path()))
        m_executable.clear();
    m_process.setProcessChannelMode(QProcess::MergedChannels);
}

Program::~Program()
{
    stop();
}

bool Program::start(const XServer &server, const QProcessEnvironment &extra)
{
    if (m_executable.isEmpty() || !QFileInfo(m_executable).isExecutable())
        return false;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"DISPLAY"_s, server.displayName());
    environment.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
    const QString runtime = m_copy.path() + u"/.runtime"_s;
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    environment.insert(u"XDG_RUNTIME_DIR"_s, runtime);
    // No sound server unless the test brings its own: cues then stay silent.
    environment.insert(u"PULSE_SERVER"_s, u"unix:"_s + runtime + u"/no-sound-server"_s);
    for (const QString &name : extra.keys())
        environment.insert(name, extra.value(name));
    m_process.setProcessEnvironment(environment);
    m_process.setWorkingDirectory(m_copy.path());
    m_process.start(m_executable, {});
    return m_process.waitForStarted(10000);
}

bool Program::waitForExit(int timeoutMs)
{
    return waitUntil([this] { return m_process.state() == QProcess::NotRunning; }, timeoutMs);
}

QString Program::output() const
{
    auto &self = const_cast<Program &>(*this);
    self.m_log += QString::fromLocal8Bit(self.m_process.readAll());
    return m_log;
}

void Program::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

QStringList Program::query(const QString &tableFile, const QString &sql) const
{
    QProcess sqlite;
    sqlite.start(u"sqlite3"_s, {u"-batch"_s, u"-noheader"_s, u"-cmd"_s, u".timeout 3000"_s,
                                m_copy.path() + u'/' + tableFile, sql});
    if (!sqlite.waitForFinished(15000) || sqlite.exitCode() != 0)
        return {};
    return QString::fromUtf8(sqlite.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

std::optional<int> Program::queryInt(const QString &tableFile, const QString &sql) const
{
    const QStringList lines = query(tableFile, sql);
    if (lines.size() != 1)
        return std::nullopt;
    bool ok = false;
    const int value = lines.first().trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

bool Program::waitForRightAnswers(const QString &activity, int count) const
{
    const QString sql = u"SELECT count(*) FROM history WHERE activity = '%1' AND is_right = 1"_s.arg(activity);
    return waitUntil([&] { return queryInt(u"history.db"_s, sql) == count; }, 15000, TablePollMs);
}

// ---------------------------------------------------------------------------------------------
// Session

std::optional<WindowInfo> Session::startProgram(const QProcessEnvironment &extra)
{
    program = std::make_unique<Program>();
    if (!server.running() || !program->start(server, extra))
        return std::nullopt;
    return waitForMainWindow();
}

std::optional<WindowInfo> Session::restartProgram(const QProcessEnvironment &extra)
{
    if (!program || program->running() || !program->start(server, extra))
        return std::nullopt;
    return waitForMainWindow();
}

std::optional<WindowInfo> Session::waitForMainWindow()
{
    const std::optional<WindowInfo> main = screen.waitForWindow(layout::MainTitle, 30000);
    if (!main)
        return std::nullopt;
    // Painted: the topic button "数数小动物" shows its picture on the unpainted black.
    const QRect button(main->geometry.topLeft() + QPoint(488, 227), QSize(57, 57));
    if (!waitUntil([&] { return screen.shareNot(button, qRgb(0, 0, 0)) > 0.5; }, 15000))
        return std::nullopt;
    return main;
}

QString Session::keepScreenshot(const QString &name) const
{
    const QString path = QDir::current().absoluteFilePath(name + u".png"_s);
    screen.grabScreen().save(path);
    return path;
}

void endSession(std::unique_ptr<Session> &session)
{
    if (QTest::currentTestFailed() && session) {
        qWarning("screenshot kept: %s",
                 qPrintable(session->keepScreenshot(QString::fromLatin1(QTest::currentTestFunction()))));
        if (session->program)
            qWarning("program output:\n%s", qPrintable(session->program->output()));
    }
    session.reset();
}

// ---------------------------------------------------------------------------------------------
// Layout

namespace layout {

QPoint topicButton(int number)
{
    constexpr int Lefts[] = {376, 488, 600, 712, 832};
    constexpr int Tops[] = {227, 331, 435, 547};
    const int index = number - 1;
    return {Lefts[index % 5] + 28, Tops[index / 5] + 28};
}

QPoint closeBox(const QRect &window)
{
    constexpr int BoxSize = 21;
    constexpr int BoxGap = 4;
    return {window.x() + window.width() - BorderWidth - BoxGap - BoxSize / 2 - 1,
            window.y() + (TitleHeight - BoxSize) / 2 + BoxSize / 2};
}

} // namespace layout

namespace counting {

namespace {
constexpr QPoint PicturePositions[10] = {{152, 248}, {152, 144}, {280, 248}, {280, 144},
                                         {384, 200}, {528, 248}, {520, 144}, {648, 248},
                                         {648, 144}, {768, 200}};
constexpr int FlagLefts[10] = {16, 80, 152, 216, 288, 352, 424, 488, 568, 632};
} // namespace

QRect pictureArea(const QRect &window, int n)
{
    return {window.topLeft() + QPoint(-3, 144) + PicturePositions[n - 1], QSize(110, 80)};
}

QRect flagArea(const QRect &window, int n)
{
    return {window.topLeft() + QPoint(176 + FlagLefts[n - 1], 496 + 8), QSize(60, 40)};
}

QPoint numberButton(const QRect &window, int k)
{
    return window.topLeft() + QPoint(64 + 80 * k + 40, 40 + 40);
}

bool shown(const Screen &screen, const QRect &area)
{
    // A hidden picture leaves the black panel; a shown one covers some of it (a small animal
    // on its own black ground may cover less than a third).
    return screen.shareNot(area, qRgb(0, 0, 0)) > 0.05;
}

int countShown(const Screen &screen, const QList<QRect> &places, int minimum)
{
    // The same reading for 200 ms: the question is drawn (a new question hides its pictures
    // and repaints within a few milliseconds).
    int count = -2;
    QElapsedTimer unchanged;
    unchanged.start();
    const bool settled = waitUntil([&] {
        int visible = 0;
        bool gap = false;
        for (qsizetype n = 0; n < places.size(); ++n) {
            if (shown(screen, places.at(n))) {
                gap = gap || visible != n;
                ++visible;
            }
        }
        const int now = gap ? -1 : visible;
        if (now != count) {
            count = now;
            unchanged.restart();
        }
        return count >= minimum && unchanged.elapsed() >= 200;
    }, 10000);
    return settled ? count : -1;
}

int countPictures(const Screen &screen, const QRect &window)
{
    QList<QRect> places;
    for (int n = 1; n <= 10; ++n)
        places.append(pictureArea(window, n));
    return countShown(screen, places, 5);
}

} // namespace counting

} // namespace abacolo::e2e
