// Movie player benchmark (not a test): runs the program's windows with its real services in
// the data folder given, then measures
//   - cold: from pressing a lesson button of the digit chooser, with no movie engine started
//     yet, to the lesson's first frame on screen;
//   - warm: the same once the chooser has started the engine (median of several lessons);
//   - the resident memory of the whole process tree (this process and the engine's helper
//     processes) with the program alone, while a lesson plays, and after the engine has been
//     released.
//
//   flash_bench <data-folder> [warm-runs]
// Run it under a display (bench/flash_bench.sh starts its own Xvfb).
#include "flash/flashnum.h"
#include "flash/flashnumview.h"
#include "flash/movieplayermodule.h"
#include "flash/shockwaveflash.h"
#include "services/datadirectory.h"
#include "services/displaymode.h"
#include "services/historylog.h"
#include "services/messagedialogs.h"
#include "services/pictures.h"
#include "services/random.h"
#include "services/services.h"
#include "services/soundcues.h"
#include "services/systemclock.h"
#include "services/tablecounters.h"
#include "shell/mainform.h"
#include "shell/windowset.h"
#include "tables/tables.h"
#include "toolkit/fonts.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <cstdio>

using namespace Qt::StringLiterals;
using namespace abacolo;

namespace {

struct Memory
{
    long rssKb = 0;
    long pssKb = 0;
    int processes = 0;
};

long field(const QString &file, const QByteArray &name)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : f.readAll().split('\n')) {
        if (line.startsWith(name))
            return line.mid(name.size()).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

// This process and every process below it.
Memory treeMemory()
{
    QHash<qint64, qint64> parentOf;
    for (const QString &entry : QDir(u"/proc"_s).entryList(QDir::Dirs)) {
        bool isPid = false;
        const qint64 pid = entry.toLongLong(&isPid);
        if (!isPid)
            continue;
        QFile stat(u"/proc/"_s + entry + u"/stat"_s);
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray text = stat.readAll();
        const QList<QByteArray> rest = text.mid(text.lastIndexOf(')') + 2).split(' ');
        parentOf.insert(pid, rest.value(1).toLongLong());
    }
    QList<qint64> tree{QCoreApplication::applicationPid()};
    for (int i = 0; i < tree.size(); ++i) {
        for (auto it = parentOf.cbegin(); it != parentOf.cend(); ++it)
            if (it.value() == tree[i])
                tree.append(it.key());
    }
    Memory m;
    for (qint64 pid : tree) {
        const QString base = u"/proc/"_s + QString::number(pid);
        m.rssKb += field(base + u"/status"_s, "VmRSS:");
        m.pssKb += field(base + u"/smaps_rollup"_s, "Pss:");
        ++m.processes;
    }
    return m;
}

void report(const char *what, const Memory &m)
{
    std::printf("%-34s %7.1f MB resident (%5.1f MB proportional) in %d process(es)\n", what,
                m.rssKb / 1024.0, m.pssKb / 1024.0, m.processes);
}

// Runs the event loop until `done` or the time is up. (The test library's waits sleep between
// rounds of events, which slows the engine's many small steps down badly.)
bool runUntil(const std::function<bool()> &done, int timeoutMs)
{
    if (done())
        return true;
    QEventLoop loop;
    QElapsedTimer clock;
    clock.start();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done() || clock.elapsed() >= timeoutMs)
            loop.quit();
    });
    poll.start(1);
    loop.exec();
    return done();
}

void settle(int ms)
{
    (void)runUntil([] { return false; }, ms);
}

// Presses a lesson button and waits for the lesson's first frame; returns milliseconds, or -1.
qint64 openLesson(int button)
{
    ShockwaveFlash *flash = Form33->ShockwaveFlash1;
    const QString movie = QDir::currentPath() + u"/numbers/%1x.swf"_s.arg(button - 1);
    bool shown = false;
    bool failed = false;
    const auto connection = QObject::connect(
        flash, &ShockwaveFlash::movieEvent, [&](MovieEvent event, const QString &detail) {
            if (detail != movie)
                return;
            shown = shown || event == MovieEvent::Shown;
            failed = failed || event == MovieEvent::Failed;
        });
    QElapsedTimer clock;
    clock.start();
    Form32->suiButton(button)->click();
    const bool ok = runUntil([&] { return shown || failed; }, 30000) && shown;
    const qint64 elapsed = clock.elapsed();
    QObject::disconnect(connection);
    return ok ? elapsed : -1;
}

void waitReleased()
{
    if (!runUntil([] { return !Form33->ShockwaveFlash1->engineRunning(); }, 5000))
        std::printf("the engine was not released\n");
    // The engine's page process ends shortly after its view is gone.
    const int before = treeMemory().processes;
    (void)runUntil([before] { return treeMemory().processes < before; }, 5000);
    // The module hands the engine's memory back two seconds after the last player is gone.
    settle(3000);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    installFontSubstitutes();
    if (argc < 2 || !QDir::setCurrent(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "usage: flash_bench <data-folder> [warm-runs]\n");
        return 2;
    }
    // The player module of the data folder's program.
    MoviePlayerModule::setFolder(QDir::currentPath() + u"/plugins"_s);
    const int warmRuns = argc > 2 ? std::max(1, std::atoi(argv[2])) : 7;
    for (const char *name : {"1x.swf", "2x.swf", "start.swf"}) {
        if (!QFile::exists(u"numbers/"_s + QString::fromLatin1(name))) {
            std::fprintf(stderr, "numbers/%s is missing in %s\n", name, argv[1]);
            return 2;
        }
    }

    SystemClock clock;
    RandomGenerator random;
    MessageDialogs dialogs;
    SoundCues cues;
    Pictures pictures;
    TableCounters counters;
    TableSession session;
    ScreenDisplay display;
    HistoryLog answers(clock, dialogs, DataDirectory());
    Services services{clock, random, dialogs, cues, pictures, counters, session, display, answers};
    WindowSet windows(services);
    mymainForm->Show();
    settle(1500);
    report("program, no movie engine", treeMemory());

    // Cold: the chooser shows and its button is pressed before the engine has started.
    Form32->Show();
    const qint64 cold = openLesson(2);
    settle(3000);
    report("a lesson playing", treeMemory());
    Form33->close();
    Form32->close();
    waitReleased();
    report("engine released", treeMemory());

    // Warm: the chooser has started the engine.
    QList<qint64> warm;
    bool ready = false;
    QObject::connect(Form33->ShockwaveFlash1, &ShockwaveFlash::movieEvent,
                     [&ready](MovieEvent event, const QString &) {
                         ready = ready || event == MovieEvent::Ready;
                     });
    QElapsedTimer startClock;
    startClock.start();
    Form32->Show();
    if (!runUntil([&ready] { return ready; }, 30000))
        std::printf("the engine did not get ready\n");
    const qint64 engineStart = startClock.elapsed();
    settle(1000);
    for (int run = 0; run < warmRuns; ++run) {
        warm.append(openLesson(2 + run % 2));
        settle(500);
        Form33->close();
        settle(300);
    }
    Form32->close();
    waitReleased();
    report("engine released again", treeMemory());

    std::sort(warm.begin(), warm.end());
    std::printf("engine start (chooser shown to ready) %lld ms\n", static_cast<long long>(engineStart));
    std::printf("cold: lesson button to first frame   %lld ms (target 2500 ms)\n",
                static_cast<long long>(cold));
    std::printf("warm: lesson button to first frame   %lld ms median of %d, %lld .. %lld ms "
                "(target 500 ms)\n",
                static_cast<long long>(warm.at(warm.size() / 2)), int(warm.size()),
                static_cast<long long>(warm.first()), static_cast<long long>(warm.last()));
    return cold < 0 || warm.first() < 0 ? 1 : 0;
}
