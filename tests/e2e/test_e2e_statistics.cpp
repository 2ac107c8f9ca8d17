// The statistics window in the shipped program: presses on "+" and "-" are stored in
// subtration.DB at once, redraw the chart, and are there again after a restart.
#include "driver.h"

#include <QtTest>

using namespace Qt::StringLiterals;
using namespace abacolo::e2e;

namespace {

// A colour row's button centre: "-" at left 128, "+" at left 168, 33 × 25, at the row's top.
QPoint rowButton(const QRect &window, int buttonsTop, bool plus)
{
    return window.topLeft() + QPoint((plus ? 168 : 128) + 16, buttonsTop + 12);
}

constexpr int RedRowTop = 184;  // record 1
constexpr int GrayRowTop = 112; // record 6, the top row
const QRect ChartArea(232, 35, 777, 582);

} // namespace

class StatisticsEndToEnd : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void pressesAreStoredAndSurviveARestart();

private:
    // The six counts in record order, read from the table file.
    QList<int> counts() const;
    std::optional<WindowInfo> openStatistics(const WindowInfo &main);
    bool closeProgram(const WindowInfo &main, const WindowInfo &statistics);

    std::unique_ptr<Session> m_session;
};

void StatisticsEndToEnd::cleanup()
{
    endSession(m_session);
}

QList<int> StatisticsEndToEnd::counts() const
{
    QList<int> values;
    for (const QString &line : m_session->program->query(u"subtration.DB"_s,
                                                          u"SELECT Num1 FROM subtration ORDER BY rowid"_s))
        values.append(line.toInt());
    return values;
}

std::optional<WindowInfo> StatisticsEndToEnd::openStatistics(const WindowInfo &main)
{
    const QSet<unsigned long> before = m_session->screen.viewableIds();
    m_session->screen.click(main.geometry.topLeft() + layout::topicButton(9));
    std::optional<WindowInfo> shown = m_session->screen.waitForNewWindow(before);
    if (!shown || shown->title != u"统计"_s || shown->geometry.top() != main.geometry.top())
        return std::nullopt;
    // The chart is drawn.
    const QRect chart = ChartArea.translated(shown->geometry.topLeft());
    if (!waitUntil([&] { return m_session->screen.shareNot(chart, qRgb(0, 0, 0)) > 0.9; }))
        return std::nullopt;
    return shown;
}

bool StatisticsEndToEnd::closeProgram(const WindowInfo &main, const WindowInfo &statistics)
{
    // The statistics window covers the main window's close box: close it first.
    m_session->screen.click(layout::closeBox(statistics.geometry));
    if (!m_session->screen.waitForHidden(statistics.id))
        return false;
    m_session->screen.click(layout::closeBox(main.geometry));
    return m_session->program->waitForExit()
           && m_session->program->exitStatus() == QProcess::NormalExit
           && m_session->program->exitCode() == 0;
}

void StatisticsEndToEnd::pressesAreStoredAndSurviveARestart()
{
    m_session = std::make_unique<Session>();
    QVERIFY2(m_session->server.running(), qPrintable(m_session->server.error()));
    Screen &screen = m_session->screen;
    std::optional<WindowInfo> main = m_session->startProgram();
    QVERIFY(main);
    const QList<int> start = counts();
    QCOMPARE(start.size(), 6);

    std::optional<WindowInfo> statistics = openStatistics(*main);
    QVERIFY2(statistics, "the statistics window did not open aligned with its chart drawn");
    const QRect chart = ChartArea.translated(statistics->geometry.topLeft());
    const QImage chartBefore = screen.grab(chart);

    // Two "+" on the red row (record 1), one "-" on the gray top row (record 6).
    screen.click(rowButton(statistics->geometry, RedRowTop, true));
    screen.click(rowButton(statistics->geometry, RedRowTop, true));
    screen.click(rowButton(statistics->geometry, GrayRowTop, false));
    QList<int> expected = start;
    expected[0] += 2;
    expected[5] -= 1;
    QVERIFY2(waitUntil([&] { return counts() == expected; }, 15000, TablePollMs),
             qPrintable(u"stored: "_s + QString::number(counts().value(0)) + u", "_s
                        + QString::number(counts().value(5))));
    QVERIFY2(waitUntil([&] { return screen.grab(chart) != chartBefore; }), "the chart was not redrawn");

    QVERIFY2(closeProgram(*main, *statistics), "the program did not end cleanly");
    QCOMPARE(counts(), expected);

    // A new run on the same data folder continues from the stored counts.
    main = m_session->restartProgram();
    QVERIFY(main);
    statistics = openStatistics(*main);
    QVERIFY(statistics);
    screen.click(rowButton(statistics->geometry, RedRowTop, true));
    expected[0] += 1;
    QVERIFY(waitUntil([&] { return counts() == expected; }, 15000, TablePollMs));
    QVERIFY(closeProgram(*main, *statistics));
}

QTEST_GUILESS_MAIN(StatisticsEndToEnd)
#include "test_e2e_statistics.moc"
