// The addition training in the shipped program: the child counts the two groups of pictures
// and clicks the sum; every answer counts in sys.db and a right one adds a flag.
#include "driver.h"

#include <QtTest>

using namespace Qt::StringLiterals;
using namespace abacolo::e2e;

namespace {

// The places of a group, in the order a group fills them (left column top down, then the
// right one), within the panels of the first group at (80, 155) and the second at (400, 155).
constexpr QPoint FirstPlaces[10] = {{32, 24},  {32, 96},  {32, 168},  {32, 240},  {32, 312},
                                    {120, 24}, {120, 96}, {120, 168}, {120, 240}, {112, 312}};
constexpr QPoint SecondPlaces[10] = {{24, 24},  {24, 96},  {24, 168},  {24, 240},  {24, 312},
                                     {112, 24}, {112, 96}, {112, 168}, {112, 240}, {112, 312}};

QList<QRect> places(const QRect &window, QPoint panel, const QPoint (&at)[10])
{
    QList<QRect> areas;
    for (const QPoint &place : at)
        areas.append(QRect(window.topLeft() + panel + place, QSize(70, 60)));
    return areas;
}

// Answer button k: 80 × 80 at top 47, left 68 + 80k.
QPoint answerButton(const QRect &window, int k)
{
    return window.topLeft() + QPoint(68 + 80 * k + 40, 47 + 40);
}

// The flag row lies at (120, 568); its flags as in the counting game.
QRect flagArea(const QRect &window, int n)
{
    constexpr int FlagLefts[10] = {16, 80, 152, 216, 288, 352, 424, 488, 568, 632};
    return {window.topLeft() + QPoint(120 + FlagLefts[n - 1], 568 + 8), QSize(60, 40)};
}

} // namespace

class AdditionEndToEnd : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void answersAreCountedAndARightSumAddsAFlag();

private:
    int num() const
    {
        return m_session->program->queryInt(u"sys.db"_s, u"SELECT num FROM sys"_s).value_or(-1);
    }

    std::unique_ptr<Session> m_session;
};

void AdditionEndToEnd::cleanup()
{
    endSession(m_session);
}

void AdditionEndToEnd::answersAreCountedAndARightSumAddsAFlag()
{
    m_session = std::make_unique<Session>();
    QVERIFY2(m_session->server.running(), qPrintable(m_session->server.error()));
    Screen &screen = m_session->screen;
    const std::optional<WindowInfo> main = m_session->startProgram();
    QVERIFY(main);
    const int answers = num();
    QVERIFY(answers >= 0);

    const QSet<unsigned long> before = screen.viewableIds();
    screen.click(main->geometry.topLeft() + layout::topicButton(3));
    const std::optional<WindowInfo> training = screen.waitForNewWindow(before);
    QVERIFY(training);
    QCOMPARE(training->title, u"数一数有几个"_s);
    QCOMPARE(training->geometry.top(), main->geometry.top());
    const QRect w = training->geometry;
    // Becoming active drew the first addition and turned the frame black.
    QVERIFY(waitUntil([&] { return screen.shareOf(QRect(w.topLeft() + QPoint(20, 300), QSize(40, 200)), qRgb(0, 0, 0)) > 0.95; }));

    const int first = counting::countShown(screen, places(w, QPoint(80, 155), FirstPlaces), 0);
    const int second = counting::countShown(screen, places(w, QPoint(400, 155), SecondPlaces), 0);
    QVERIFY2(first >= 0 && first <= 9 && second >= 0 && first + second <= 10,
             qPrintable(QString::number(first) + u" + "_s + QString::number(second)));
    const int sum = first + second;

    // A wrong answer counts but earns no flag; the right one counts and earns the first flag.
    screen.click(answerButton(w, (sum + 1) % 11));
    QVERIFY(waitUntil([&] { return num() == answers + 1; }, 15000, TablePollMs));
    QVERIFY(!counting::shown(screen, flagArea(w, 1)));
    screen.click(answerButton(w, sum));
    QVERIFY2(waitUntil([&] { return counting::shown(screen, flagArea(w, 1)); }, 20000),
             "no flag after the right sum");
    QVERIFY(waitUntil([&] { return num() == answers + 2; }, 15000, TablePollMs));
    QVERIFY(!counting::shown(screen, flagArea(w, 2)));
}

QTEST_GUILESS_MAIN(AdditionEndToEnd)
#include "test_e2e_addition.moc"
