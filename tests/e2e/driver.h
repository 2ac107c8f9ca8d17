#pragma once

// What the end-to-end tests use to treat the shipped program as a person does: an X server of
// their own, the real executable started from a copy of its data folder, real pointer and key
// input through the XTest extension, and what is on the screen and in the table files.
//
// Every wait is a bounded poll for a condition; nothing waits a fixed time.

#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <optional>

using Display = struct _XDisplay;

namespace abacolo::e2e {

// Polls `condition` every `intervalMs` (running the test's own event loop in between) until it
// holds or `timeoutMs` has passed. Returns whether it held.
bool waitUntil(const std::function<bool()> &condition, int timeoutMs = 15000, int intervalMs = 10);
// The poll interval for conditions that read a table file (each read starts the sqlite3 tool).
constexpr int TablePollMs = 100;

// An Xvfb of the test's own on a free display number: 1024 × 768 × 24 with RandR.
class XServer
{
public:
    XServer();
    ~XServer();
    XServer(const XServer &) = delete;
    XServer &operator=(const XServer &) = delete;

    bool running() const { return m_display != nullptr; }
    QString displayName() const { return m_name; } // ":<n>"
    Display *display() const { return m_display; }
    QString error() const { return m_error; }

private:
    QProcess m_process;
    QString m_name;
    QString m_error;
    Display *m_display = nullptr;
};

// A top-level window on the screen: its title and where it stands.
struct WindowInfo
{
    unsigned long id = 0;
    QString title;
    QRect geometry;   // root coordinates
    bool viewable = false;
};

// Real input and the screen's content.
class Screen
{
public:
    explicit Screen(XServer &server) : m_server(server) {}

    QList<WindowInfo> topLevels() const;
    // The viewable top-level with exactly this title, if any.
    std::optional<WindowInfo> window(const QString &title) const;
    // Waits until a window with this title is viewable and its geometry has stayed the same
    // over two polls (placed and sized), and returns it.
    std::optional<WindowInfo> waitForWindow(const QString &title, int timeoutMs = 15000) const;
    bool waitForWindowGone(const QString &title, int timeoutMs = 15000) const;
    // Ids of the viewable top-levels now.
    QSet<unsigned long> viewableIds() const;
    // Waits until a top-level that is not in `before` is viewable with a settled geometry.
    std::optional<WindowInfo> waitForNewWindow(const QSet<unsigned long> &before,
                                               int timeoutMs = 15000) const;
    bool waitForHidden(unsigned long id, int timeoutMs = 15000) const;

    void moveTo(QPoint at);
    void click(QPoint at);
    void press(QPoint at);
    void release();
    // Drags with the left button held, in small steps as a hand would.
    void drag(QPoint from, QPoint to);
    // Types text made of digits, '-' and letters; "\n" is the Enter key.
    void type(const QString &text);
    void key(const char *keysymName);
    void keyCombination(const char *modifierName, const char *keysymName);

    QImage grab(const QRect &area) const;
    QImage grabScreen() const { return grab(QRect(0, 0, 1024, 768)); }
    // Share of the area's pixels that differ from `colour` by more than a small tolerance.
    double shareNot(const QRect &area, QRgb colour) const;
    // Share of the area's pixels close to `colour`.
    double shareOf(const QRect &area, QRgb colour) const;

private:
    void sync() const;

    XServer &m_server;
};

// The shipped program, started from a fresh copy of its data folder.
class Program
{
public:
    // Copies the data folder of `dataDir` (the build's app folder) into a temporary folder.
    explicit Program(const QString &dataDir = QString());
    ~Program();

    QString dataFolder() const { return m_copy.path(); }
    QString executable() const { return m_executable; }

    // Starts the executable with the copy as its current directory under `server`. Extra
    // environment (for example PULSE_SERVER) goes in `environment`.
    bool start(const XServer &server, const QProcessEnvironment &extra = {});
    bool waitForExit(int timeoutMs = 15000);
    bool running() const { return m_process.state() != QProcess::NotRunning; }
    int exitCode() const { return m_process.exitCode(); }
    QProcess::ExitStatus exitStatus() const { return m_process.exitStatus(); }
    qint64 pid() const { return m_process.processId(); }
    QString output() const; // what the program wrote to stdout and stderr
    void stop();

    // Runs `sql` on a table file of the copy with the sqlite3 command-line tool; returns its
    // output lines ("|" between columns).
    QStringList query(const QString &tableFile, const QString &sql) const;
    // One integer value; nullopt when the tool fails or the value is not a number.
    std::optional<int> queryInt(const QString &tableFile, const QString &sql) const;
    // Waits until the answer log (history.db) holds `count` right answers of `activity`; the
    // program writes it a moment after the answer.
    bool waitForRightAnswers(const QString &activity, int count = 1) const;

private:
    QTemporaryDir m_copy;
    QString m_executable;
    QProcess m_process;
    QString m_log;
};

// Fixture of one test: X server, screen, program; on a failure the test's screenshot is
// kept beside the test for a look.
struct Session
{
    XServer server;
    Screen screen{server};
    std::unique_ptr<Program> program;

    // Starts a program on a fresh copy and waits for the main window to be shown and
    // painted. Returns the main window.
    std::optional<WindowInfo> startProgram(const QProcessEnvironment &extra = {});
    // Starts the program again on the SAME data folder (after the previous run ended).
    std::optional<WindowInfo> restartProgram(const QProcessEnvironment &extra = {});
    // Saves a screenshot to the working directory as <name>.png; returns its path.
    QString keepScreenshot(const QString &name) const;

private:
    std::optional<WindowInfo> waitForMainWindow();
};

// The end of a test's session: when the test failed, keeps a screenshot named after the test
// function and prints the program's output; then ends the session (the program and the X
// server with it).
void endSession(std::unique_ptr<Session> &session);

// Layout facts of the program that a person finds on screen.
namespace layout {
inline const QString MainTitle = QStringLiteral(" Abacolo  v6.7");
constexpr int TitleHeight = 29;
constexpr int BorderWidth = 3;
// A topic button's centre on the main window: buttons 57 × 57, numbered row by row.
QPoint topicButton(int number);
// The centre of a window's drawn close box, at the right end of its title bar.
QPoint closeBox(const QRect &window);
} // namespace layout

// The counting game's screen: where a person finds its pictures, flags and number buttons.
namespace counting {
// Picture n (1 … 10) of the picture panel, which lies at (-3, 144) in the window.
QRect pictureArea(const QRect &window, int n);
// Flag n (1 … 10) of the flag row at (176, 496).
QRect flagArea(const QRect &window, int n);
// The centre of the number button k (0 … 10).
QPoint numberButton(const QRect &window, int k);
// Whether a picture or flag shows there (on the black panels).
bool shown(const Screen &screen, const QRect &area);
// How many of `places` show a picture, once that has stayed the same for 200 ms and the shown
// ones run from the first place on without a gap; -1 when no such reading comes in time or
// it is below `minimum`.
int countShown(const Screen &screen, const QList<QRect> &places, int minimum);
// How many pictures the child sees in the counting game (5 … 10), or -1.
int countPictures(const Screen &screen, const QRect &window);
} // namespace counting

} // namespace abacolo::e2e
