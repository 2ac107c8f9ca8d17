// The six activities of the former silent topics in the shipped program: each topic opens its
// window aligned to the main window's top, and one right answer given with real input (clicks
// and pointer drags, found by trying as a child would) earns a flag and its row in history.db.
#include "driver.h"

#include <QtTest>

using namespace Qt::StringLiterals;
using namespace abacolo::e2e;

namespace {

// Where things stand in an activity window: the stage lies at (3, 104), the first flag of the
// flag row at (168, 658).
QPoint onStage(const QRect &window, int x, int y)
{
    return window.topLeft() + QPoint(3 + x, 104 + y);
}

QRect firstFlag(const QRect &window)
{
    return QRect(window.topLeft() + QPoint(168, 658), QSize(60, 40));
}

} // namespace

class ActivitiesEndToEnd : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void eachTopicOpensItsActivityAndARightAnswerEarnsAFlag_data();
    void eachTopicOpensItsActivityAndARightAnswerEarnsAFlag();

private:
    bool flagShown() const { return counting::shown(m_session->screen, firstFlag(m_window)); }
    // Waits a little for the flag of a right answer; false when the answer was not right.
    bool flagAfterAnswer() const { return waitUntil([&] { return flagShown(); }, 2500, 50); }
    // Whether the screen is coloured (fruit, a face-up card) rather than grey, white or black.
    bool colouredAt(QPoint at) const;
    void click(QPoint at) { m_session->screen.click(at); }

    bool answerShapes();
    bool answerComparing();
    bool answerClock();
    bool answerMemory();
    bool answerHalf();
    bool answerBalance();

    std::unique_ptr<Session> m_session;
    QRect m_main;
    QRect m_window;
};

void ActivitiesEndToEnd::init()
{
    m_session = std::make_unique<Session>();
    QVERIFY2(m_session->server.running(), qPrintable(m_session->server.error()));
    const std::optional<WindowInfo> main = m_session->startProgram();
    QVERIFY2(main, qPrintable(m_session->program ? m_session->program->output() : QString()));
    m_main = main->geometry;
}

void ActivitiesEndToEnd::cleanup()
{
    if (QTest::currentTestFailed() && m_session) {
        qWarning("screenshot kept: %s",
                 qPrintable(m_session->keepScreenshot(QString::fromLatin1(QTest::currentTestFunction())
                                                      + u"_"_s + QString::fromLatin1(QTest::currentDataTag()))));
        if (m_session->program)
            qWarning("program output:\n%s", qPrintable(m_session->program->output()));
    }
    m_session.reset();
}

bool ActivitiesEndToEnd::colouredAt(QPoint at) const
{
    const QImage spot = m_session->screen.grab(QRect(at - QPoint(3, 3), QSize(7, 7)));
    int coloured = 0;
    for (int y = 0; y < spot.height(); ++y) {
        for (int x = 0; x < spot.width(); ++x)
            coloured += spot.pixelColor(x, y).hsvSaturation() > 90 ? 1 : 0;
    }
    return coloured > 20;
}

void ActivitiesEndToEnd::eachTopicOpensItsActivityAndARightAnswerEarnsAFlag_data()
{
    QTest::addColumn<int>("topic");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("activity");
    QTest::newRow("shapes") << 5 << u"物体几何形状"_s << u"shapes"_s;
    QTest::newRow("comparing") << 12 << u"比较数字"_s << u"comparing"_s;
    QTest::newRow("clock") << 13 << u"认识时间"_s << u"clock"_s;
    QTest::newRow("memory pairs") << 14 << u"智力游戏"_s << u"memory"_s;
    QTest::newRow("balance") << 18 << u"等量建立"_s << u"balance"_s;
    QTest::newRow("half") << 20 << u"一半"_s << u"half"_s;
}

void ActivitiesEndToEnd::eachTopicOpensItsActivityAndARightAnswerEarnsAFlag()
{
    QFETCH(int, topic);
    QFETCH(QString, title);
    QFETCH(QString, activity);
    Screen &screen = m_session->screen;

    const QSet<unsigned long> before = screen.viewableIds();
    click(m_main.topLeft() + layout::topicButton(topic));
    const std::optional<WindowInfo> window = screen.waitForNewWindow(before);
    QVERIFY2(window, "the topic opened no window");
    QCOMPARE(window->title, title);
    QCOMPARE(window->geometry.top(), m_main.top());
    m_window = window->geometry;
    // The flag row is empty and the stage drawn. A window is mapped a little before its first
    // frame, and until then the main window shows through where its flag row will be.
    QVERIFY2(waitUntil([&] { return !flagShown(); }), "the flag row is not empty");
    QVERIFY(waitUntil([&] { return screen.shareNot(QRect(onStage(m_window, 0, 0), QSize(1012, 536)), qRgb(0, 0, 0)) > 0.05; }));

    bool earned = false;
    if (activity == u"shapes"_s)
        earned = answerShapes();
    else if (activity == u"comparing"_s)
        earned = answerComparing();
    else if (activity == u"clock"_s)
        earned = answerClock();
    else if (activity == u"memory"_s)
        earned = answerMemory();
    else if (activity == u"half"_s)
        earned = answerHalf();
    else
        earned = answerBalance();
    QVERIFY2(earned, "no right answer earned a flag");

    QVERIFY2(m_session->program->waitForRightAnswers(activity), "the right answer is not in history.db");
}

bool ActivitiesEndToEnd::answerShapes()
{
    // Four shapes on the first level; one is the one asked for.
    for (int round = 0; round < 3; ++round) {
        for (int card = 0; card < 4; ++card) {
            click(onStage(m_window, 185 + 75 + card * 164, 170 + 75));
            if (flagAfterAnswer())
                return true;
        }
    }
    return false;
}

bool ActivitiesEndToEnd::answerComparing()
{
    // Two groups, never as many: one of them has more.
    for (int round = 0; round < 3; ++round) {
        for (const int x : {240, 778}) {
            click(onStage(m_window, x, 240));
            if (flagAfterAnswer())
                return true;
        }
    }
    return false;
}

bool ActivitiesEndToEnd::answerClock()
{
    // Three written times beside the clock; one is the time it shows.
    for (int round = 0; round < 3; ++round) {
        for (const int y : {110, 265, 420}) {
            click(onStage(m_window, 780, y));
            if (flagAfterAnswer())
                return true;
        }
    }
    return false;
}

bool ActivitiesEndToEnd::answerMemory()
{
    // Six cards in two rows of three; a face-down card is blue. Turn two face-down cards at a
    // time until a pair stays up.
    QList<QPoint> cards;
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 3; ++column)
            cards.append(onStage(m_window, 194 + 100 + column * 212, 102 + 80 + row * 172));
    }
    const auto faceDown = [&](QPoint card) {
        const QColor colour = m_session->screen.grab(QRect(card + QPoint(-80, -60), QSize(1, 1))).pixelColor(0, 0);
        return colour.blue() > 200 && colour.red() < 120;
    };
    for (int attempt = 0; attempt < 20; ++attempt) {
        QList<QPoint> down;
        for (const QPoint card : cards) {
            if (faceDown(card))
                down.append(card);
        }
        if (down.size() < 2)
            return false;
        // Pairs in turn: the first card with each of the others, then the next.
        const int first = attempt % (int(down.size()) - 1);
        const int second = first + 1 + (attempt / (int(down.size()) - 1)) % (int(down.size()) - 1 - first);
        click(down.at(first));
        click(down.at(second));
        if (flagAfterAnswer())
            return true;
        waitUntil([&] { return faceDown(down.at(first)); }, 3000, 50); // turned back
    }
    return false;
}

bool ActivitiesEndToEnd::answerHalf()
{
    // Two, four or six fruit on the first plate, in rows of four around its middle (260, 195).
    const auto slots = [&](int count) {
        QList<QPoint> places;
        const int rows = (count + 3) / 4;
        for (int i = 0; i < count; ++i) {
            const int inRow = std::min(4, count - i / 4 * 4);
            places.append(onStage(m_window, 260 - inRow * 45 + i % 4 * 90 + 45, 195 - rows * 45 + i / 4 * 90 + 45));
        }
        return places;
    };
    int fruit = 0;
    const auto countFruit = [&] {
        for (const int count : {6, 4, 2}) {
            const QList<QPoint> places = slots(count);
            if (std::all_of(places.cbegin(), places.cend(), [&](QPoint at) { return colouredAt(at); })) {
                fruit = count;
                return true;
            }
        }
        return false;
    };
    if (!waitUntil(countFruit, 2000, 50))
        return false;
    // Half of them, one by one, onto the empty plate; the rest close up after each.
    for (int moved = 0; moved < fruit / 2; ++moved) {
        m_session->screen.drag(slots(fruit - moved).first(), onStage(m_window, 752, 195));
        waitUntil([&] { return colouredAt(onStage(m_window, 752 - (moved + 1) * 45 + 45, 195)); }, 2000, 50);
    }
    click(onStage(m_window, 506, 445)); // 好了
    return flagAfterAnswer();
}

bool ActivitiesEndToEnd::answerBalance()
{
    // Two to five fruit on the left pan; weights 1 … 5 on the tray. Each weight in turn onto
    // the right pan (high up while it is the lighter one) and off again, until it is level.
    for (int weight = 1; weight <= 5; ++weight) {
        const QPoint onTray = onStage(m_window, 314 + (weight - 1) * 80 + 32, 466 + 32);
        m_session->screen.drag(onTray, onStage(m_window, 799, 150));
        if (flagAfterAnswer())
            return true;
        // Still lighter: the weight stands on the raised pan; back to the tray with it.
        m_session->screen.drag(onStage(m_window, 799, 170), onStage(m_window, 506, 520));
    }
    return false;
}

QTEST_GUILESS_MAIN(ActivitiesEndToEnd)
#include "test_e2e_activities.moc"
