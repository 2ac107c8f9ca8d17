// Times the answer log's write: how long record() takes to put one row of "history.db" on
// disk, which an activity spends after its cue has started. Prints the median and the 95th
// percentile over RUNS rows written into a fresh log in a temporary folder under FOLDER
// (default: the current directory; run it on the disk of the data folder).
//   answerlog_bench [RUNS] [FOLDER]
#include "services/historylog.h"
#include "services/services.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>

using namespace abacolo;

namespace {

class WallClock : public Clock
{
public:
    qint64 secondsNow() const override { return QDateTime::currentSecsSinceEpoch(); }
    QTime timeOfDay() const override { return QTime::currentTime(); }
    qint64 elapsedMs() const override { return 0; }
    void hold(int) override { }
};

class PrintedDialogs : public Dialogs
{
public:
    void showError(const QString &text) override { QTextStream(stderr) << text << Qt::endl; }
    Answer ask(const QString &, const QString &) override { return Answer::No; }
    void tell(const QString &, const QString &text) override { showError(text); }
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const int runs = args.size() > 1 ? args.at(1).toInt() : 200;
    QTemporaryDir folder(args.size() > 2 ? args.at(2) + QStringLiteral("/answerlog-XXXXXX")
                                         : QStringLiteral("answerlog-XXXXXX"));
    WallClock clock;
    PrintedDialogs dialogs;
    HistoryLog log(clock, dialogs, folder.path());

    QList<double> ms;
    for (int i = 0; i <= runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        log.record({QStringLiteral("addition"), QStringLiteral("3+4"), QString::number(i % 11),
                    i % 3 != 0, 1500 + i});
        if (i > 0) // the first write also makes the file
            ms.append(timer.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    QTextStream(stdout) << "record() over " << ms.size() << " rows in " << folder.path()
                        << ": median " << QString::number(ms.at(ms.size() / 2), 'f', 2)
                        << " ms, 95th percentile "
                        << QString::number(ms.at(ms.size() * 95 / 100), 'f', 2) << " ms"
                        << Qt::endl;
    return 0;
}
