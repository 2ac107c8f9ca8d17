// Opens the growth record over a log of 100 000 answers and times the show to the charts
// painted: reading the log, the report, the charts, the first paint of both chart views.
// Usage: growthrecord_bench [RUNS] [ANSWERS]; run it under a display (xvfb-run -a) or with
// QT_QPA_PLATFORM=offscreen.

#include "progress/growthrecord.h"
#include "tests/support/historyfixture.h"
#include "tests/support/testworld.h"

#include <QApplication>
#include <QChartView>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;
using namespace abacolo;

namespace {

// Notes the first paint of a widget after reset().
class PaintWatch : public QObject
{
public:
    explicit PaintWatch(QWidget *widget) { widget->installEventFilter(this); }
    void reset() { painted = false; }
    bool painted = false;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

} // namespace

int main(int argc, char **argv)
{
    // As the program does at start: the C library reads the zone file once.
    if (qEnvironmentVariableIsEmpty("TZ"))
        qputenv("TZ", ":/etc/localtime");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 9;
    const int answers = argc > 2 ? std::max(1, atoi(argv[2])) : 100'000;
    if (qEnvironmentVariableIsEmpty("ABACOLO_SOURCE_DIR"))
        qputenv("ABACOLO_SOURCE_DIR", ABACOLO_SOURCE_DIR);

    test::TestWorld world(QStringList{});
    const QDate today(2026, 3, 4);
    world.clock.seconds = QDateTime(today, QTime(19, 0)).toSecsSinceEpoch();
    TGrowthRecordForm form(world.services);
    test::writeHistory(form.logFile(), test::manyAnswers(answers, today));

    PaintWatch dayPaint(form.dayChart->viewport());
    PaintWatch activityPaint(form.activityChart->viewport());
    QList<double> toCharts;
    QList<double> reading;
    for (int run = 0; run < runs + 1; ++run) {
        form.hide();
        QCoreApplication::processEvents();
        dayPaint.reset();
        activityPaint.reset();
        QElapsedTimer timer;
        timer.start();
        form.Show();
        const double read = timer.nsecsElapsed() / 1e6;
        while (!dayPaint.painted || !activityPaint.painted)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        const double shown = timer.nsecsElapsed() / 1e6;
        if (form.report().asked == 0)
            qFatal("the log was not read");
        if (run == 0)
            continue;   // the first show lays the window out and loads the fonts
        reading.append(read);
        toCharts.append(shown);
    }
    std::printf("growth record, %d answers in the log, %d runs (platform %s)\n", answers, runs,
                qPrintable(QGuiApplication::platformName()));
    std::printf("  show to both charts painted: median %.0f ms (min %.0f, max %.0f)\n", median(toCharts),
                *std::min_element(toCharts.begin(), toCharts.end()), *std::max_element(toCharts.begin(), toCharts.end()));
    std::printf("  of which reading the log and making the view: median %.0f ms\n", median(reading));

    // The parts on their own.
    QList<double> readOnly;
    QList<double> reportOnly;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        const QList<HistoryRow> rows = HistoryLog::readRows(form.logFile());
        readOnly.append(timer.nsecsElapsed() / 1e6);
        timer.restart();
        const ProgressReport report = makeReport(rows, Period::All, today);
        reportOnly.append(timer.nsecsElapsed() / 1e6);
    }
    std::printf("  reading the log alone: median %.0f ms; the report of all days alone: median %.0f ms\n",
                median(readOnly), median(reportOnly));
    return 0;
}
