// The topics of finding errors, multiples, bar graphs, directions, paths and the times
// tables in the shipped program: each topic button opens its window aligned to the main
// window's top, and one right answer given with real clicks puts up the first flag and adds its
// row to history.db. A wrong click costs nothing but a "vwrong", so the test tries answers the
// way a guessing child does until the flag shows.
#include "driver.h"

#include <QtTest>

using namespace Qt::StringLiterals;
using namespace abacolo::e2e;

namespace {

// Where things stand in an activity window, from its top-left corner.
const QRect FirstFlag(172, 658, 56, 38);
constexpr int WrongAnswerWaitMs = 1200; // a right answer puts its flag up well within this

QPoint errorCard(int i)
{
    return {140 + 246 * i, 364};
}

QPoint multiplesChoice(int i)
{
    return {224 + 190 * i, 550};
}

// The times tables' four numbers, two by two beside the triangle's middle rows.
QPoint timesTablesChoice(int i)
{
    return {851 + 108 * (i % 2), 388 + 84 * (i / 2)};
}

// The bar graph's columns stand side by side about one middle, however many there are: points
// half a column apart along the pictures at their foot each fall on a column or beside them all.
QList<QPoint> barGraphPictures()
{
    QList<QPoint> points;
    for (int k = -3; k <= 3; ++k)
        points.append({802 + 50 * k, 582});
    return points;
}

// The directions grid: 7 × 5 squares; the arrow pad beside it.
QPoint gridSquare(QPoint at)
{
    return {76 + 90 * at.x(), 190 + 90 * at.y()};
}
const QList<QPoint> Arrows{{955, 336}, {763, 336}, {859, 240}, {859, 432}}; // → ← ↑ ↓
// Where the pointer rests between clicks, so that no square or stone is lit by it.
const QPoint BlankStage(990, 600);
const QRgb SquareFace = qRgb(38, 52, 44);
const QRgb WalkedFace = qRgb(60, 100, 70);

// The paths grid: 7 × 4 stones.
QPoint stoneCentre(QPoint at)
{
    return {131 + 126 * at.x(), 174 + 126 * at.y()};
}
const QRgb StartFace = qRgb(46, 120, 70);
const QRgb LitFace = qRgb(255, 236, 170);

QRect around(QPoint centre, int half)
{
    return {centre - QPoint(half, half), QSize(2 * half, 2 * half)};
}

} // namespace

class NumberTopicsEndToEnd : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void findingErrorsAnswersWithACard();
    void multiplesAnswersWithANumber();
    void barGraphsAreBuiltAndReadByTheirPictures();
    void directionsWalksTheAnimalWithTheArrows();
    void pathsAreClickedStoneByStone();
    void timesTablesAnswerWithAProduct();

private:
    // Opens the topic's window and checks it stands at the main window's top.
    std::optional<WindowInfo> openTopic(int topic, const QString &title);
    bool flagShown(const WindowInfo &window) const;
    bool waitForFlag(const WindowInfo &window, int timeoutMs = WrongAnswerWaitMs) const;
    // Clicks the places in turn, round after round, until the first flag shows.
    bool clickUntilFlag(const WindowInfo &window, const QList<QPoint> &places);
    std::optional<QPoint> animalSquare(const WindowInfo &window) const;
    std::optional<QPoint> startStone(const WindowInfo &window) const;
    bool stoneLit(const WindowInfo &window, QPoint at) const;
    int litStones(const WindowInfo &window) const;

    std::unique_ptr<Session> m_session;
    std::optional<WindowInfo> m_main;
};

void NumberTopicsEndToEnd::init()
{
    m_session = std::make_unique<Session>();
    QVERIFY2(m_session->server.running(), qPrintable(m_session->server.error()));
    m_main = m_session->startProgram();
    QVERIFY2(m_main, qPrintable(u"main window not shown; program said: "_s
                                + (m_session->program ? m_session->program->output() : QString())));
}

void NumberTopicsEndToEnd::cleanup()
{
    if (QTest::currentTestFailed() && m_session) {
        qWarning("screenshot kept: %s",
                 qPrintable(m_session->keepScreenshot(QString::fromLatin1(QTest::currentTestFunction()))));
        if (m_session->program)
            qWarning("program output:\n%s", qPrintable(m_session->program->output()));
    }
    m_session.reset();
}

std::optional<WindowInfo> NumberTopicsEndToEnd::openTopic(int topic, const QString &title)
{
    Screen &screen = m_session->screen;
    const QSet<unsigned long> before = screen.viewableIds();
    screen.click(m_main->geometry.topLeft() + layout::topicButton(topic));
    std::optional<WindowInfo> shown = screen.waitForNewWindow(before);
    if (!shown || shown->title != title || shown->geometry.top() != m_main->geometry.top()) {
        if (shown)
            qWarning("opened \"%s\" at %d, %d", qPrintable(shown->title), shown->geometry.x(),
                     shown->geometry.y());
        return std::nullopt;
    }
    // Once painted, the flag row is empty.
    if (!waitUntil([&] { return !flagShown(*shown); }, 5000))
        return std::nullopt;
    return shown;
}

bool NumberTopicsEndToEnd::flagShown(const WindowInfo &window) const
{
    return m_session->screen.shareNot(FirstFlag.translated(window.geometry.topLeft()), qRgb(0, 0, 0)) > 0.6;
}

bool NumberTopicsEndToEnd::waitForFlag(const WindowInfo &window, int timeoutMs) const
{
    return waitUntil([&] { return flagShown(window); }, timeoutMs);
}

bool NumberTopicsEndToEnd::clickUntilFlag(const WindowInfo &window, const QList<QPoint> &places)
{
    for (int round = 0; round < 8; ++round) {
        for (const QPoint place : places) {
            m_session->screen.click(window.geometry.topLeft() + place);
            if (waitForFlag(window))
                return true;
        }
    }
    return false;
}

std::optional<QPoint> NumberTopicsEndToEnd::animalSquare(const WindowInfo &window) const
{
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 7; ++column) {
            const QRect inner = around(window.geometry.topLeft() + gridSquare({column, row}), 22);
            if (m_session->screen.shareNot(inner, SquareFace) > 0.25 &&
                m_session->screen.shareNot(inner, WalkedFace) > 0.25)
                return QPoint(column, row);
        }
    }
    return std::nullopt;
}

std::optional<QPoint> NumberTopicsEndToEnd::startStone(const WindowInfo &window) const
{
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 7; ++column) {
            if (m_session->screen.shareOf(around(window.geometry.topLeft() + stoneCentre({column, row}), 40),
                                          StartFace) > 0.4)
                return QPoint(column, row);
        }
    }
    return std::nullopt;
}

bool NumberTopicsEndToEnd::stoneLit(const WindowInfo &window, QPoint at) const
{
    return m_session->screen.shareOf(around(window.geometry.topLeft() + stoneCentre(at), 40), LitFace) > 0.4;
}

int NumberTopicsEndToEnd::litStones(const WindowInfo &window) const
{
    int lit = 0;
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 7; ++column)
            lit += stoneLit(window, {column, row}) ? 1 : 0;
    }
    return lit;
}

void NumberTopicsEndToEnd::findingErrorsAnswersWithACard()
{
    const std::optional<WindowInfo> window = openTopic(10, u"找错误"_s);
    QVERIFY2(window, "找错误 did not open aligned to the main window");
    QVERIFY(clickUntilFlag(*window, {errorCard(0), errorCard(1), errorCard(2), errorCard(3)}));
    QVERIFY(m_session->program->waitForRightAnswers(u"finding_errors"_s));
}

void NumberTopicsEndToEnd::multiplesAnswersWithANumber()
{
    const std::optional<WindowInfo> window = openTopic(11, u"倍数的认识"_s);
    QVERIFY2(window, "倍数的认识 did not open aligned to the main window");
    QVERIFY(clickUntilFlag(*window, {multiplesChoice(0), multiplesChoice(1), multiplesChoice(2),
                                     multiplesChoice(3)}));
    QVERIFY(m_session->program->waitForRightAnswers(u"multiples"_s));
}

void NumberTopicsEndToEnd::barGraphsAreBuiltAndReadByTheirPictures()
{
    const std::optional<WindowInfo> window = openTopic(15, u"统计图"_s);
    QVERIFY2(window, "统计图 did not open aligned to the main window");
    // A column's picture counts one more into it while the graph is built, and picks the
    // column once it is. Clicked in turn, the columns fill (one past its count says no, and
    // the third no shows the graph built), then are picked until one is right.
    QVERIFY(clickUntilFlag(*window, barGraphPictures()));
    QVERIFY(m_session->program->waitForRightAnswers(u"bar_graphs"_s));
}

void NumberTopicsEndToEnd::directionsWalksTheAnimalWithTheArrows()
{
    const std::optional<WindowInfo> window = openTopic(17, u"魔法数字"_s);
    QVERIFY2(window, "魔法数字 did not open aligned to the main window");
    Screen &screen = m_session->screen;
    const QPoint blank = window->geometry.topLeft() + BlankStage;
    screen.moveTo(blank);
    // An arrow that moves the animal is the way: it is pressed until the walk ends. An arrow
    // that leaves it standing was wrong; every third wrong one brings a new walk.
    for (int attempt = 0; attempt < 12; ++attempt) {
        std::optional<QPoint> start;
        QVERIFY(waitUntil([&] { return (start = animalSquare(*window)).has_value(); }, 5000));
        for (const QPoint arrow : Arrows) {
            screen.click(window->geometry.topLeft() + arrow);
            screen.moveTo(blank);
            const bool moved = waitUntil(
                [&] {
                    const std::optional<QPoint> now = animalSquare(*window);
                    return flagShown(*window) || (now && now != start);
                },
                WrongAnswerWaitMs);
            if (!moved)
                continue;
            for (int press = 0; press < 6 && !flagShown(*window); ++press) {
                if (waitForFlag(*window, 300))
                    break;
                screen.click(window->geometry.topLeft() + arrow);
                screen.moveTo(blank);
            }
            // The animal may have moved because a new walk came (after the third wrong
            // arrow) rather than by the arrow: then this walk is tried again from its start.
            if (waitForFlag(*window)) {
                QVERIFY(m_session->program->waitForRightAnswers(u"directions"_s));
                return;
            }
            break;
        }
    }
    QFAIL("no walk ended with a flag");
}

void NumberTopicsEndToEnd::pathsAreClickedStoneByStone()
{
    const std::optional<WindowInfo> window = openTopic(16, u"判断路径"_s);
    QVERIFY2(window, "判断路径 did not open aligned to the main window");
    Screen &screen = m_session->screen;
    const QPoint blank = window->geometry.topLeft() + BlankStage;
    // From the end of the path so far, the neighbour that lights up is the next stone. Every
    // third wrong stone lights the whole path for a while and brings a new one: then the test
    // waits for the new path and starts again.
    for (int attempt = 0; attempt < 40; ++attempt) {
        std::optional<QPoint> start;
        screen.moveTo(blank);
        QVERIFY(waitUntil([&] { return (start = startStone(*window)).has_value() && litStones(*window) == 0; },
                          6000));
        QList<QPoint> path{*start};
        bool stepped = true;
        while (stepped) {
            stepped = false;
            for (const QPoint side : {QPoint(1, 0), QPoint(0, -1), QPoint(0, 1), QPoint(-1, 0)}) {
                const QPoint next = path.last() + side;
                if (!QRect(0, 0, 7, 4).contains(next) || path.contains(next))
                    continue;
                screen.click(window->geometry.topLeft() + stoneCentre(next));
                screen.moveTo(blank);
                if (waitUntil([&] { return flagShown(*window) || stoneLit(*window, next); },
                              WrongAnswerWaitMs)) {
                    if (waitForFlag(*window, 300)) {
                        QVERIFY(m_session->program->waitForRightAnswers(u"paths"_s));
                        return;
                    }
                    if (litStones(*window) == int(path.size())) {
                        path.append(next);
                        stepped = true;
                    }
                    break; // the path shown after a third wrong stone
                }
                if (litStones(*window) != int(path.size()) - 1)
                    break; // the path shown after a third wrong stone
            }
        }
    }
    QFAIL("no path ended with a flag");
}

void NumberTopicsEndToEnd::timesTablesAnswerWithAProduct()
{
    const std::optional<WindowInfo> window = openTopic(19, u"乘法口诀"_s);
    QVERIFY2(window, "乘法口诀 did not open aligned to the main window");
    QVERIFY(clickUntilFlag(*window, {timesTablesChoice(0), timesTablesChoice(1),
                                     timesTablesChoice(2), timesTablesChoice(3)}));
    QVERIFY(m_session->program->waitForRightAnswers(u"times_tables"_s));
}

QTEST_MAIN(NumberTopicsEndToEnd)
#include "test_e2e_numbertopics.moc"
