// The counting game in the shipped program: the child counts the pictures on the screen and
// clicks the number; the flag row grows and every question is counted in sys.db.
#include "driver.h"

#include <QtTest>

using namespace Qt::StringLiterals;
using namespace abacolo::e2e;

using namespace abacolo::e2e::counting;

class CountingEndToEnd : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void rightAnswersFillTheFlagRowAndCountEachQuestion();
    void everyThirdWrongAnswerShowsTheAnswerAndMovesOn();
    void clicksDuringTheNumberingAreAnsweredAfterwardsOnTheNextQuestion();

private:
    bool shown(const QRect &area) const;
    int countPictures();
    std::optional<double> mostRedUntilCounted(const QRect &area, int counted);
    int num4() const { return m_session->program->queryInt(u"sys.db"_s, u"SELECT num4 FROM sys"_s).value_or(-1); }

    std::unique_ptr<Session> m_session;
    QRect m_game;
};

void CountingEndToEnd::init()
{
    m_session = std::make_unique<Session>();
    QVERIFY2(m_session->server.running(), qPrintable(m_session->server.error()));
    const std::optional<WindowInfo> main = m_session->startProgram();
    QVERIFY2(main, qPrintable(m_session->program ? m_session->program->output() : QString()));

    const int before = num4();
    QVERIFY(before >= 0);
    const QSet<unsigned long> shownBefore = m_session->screen.viewableIds();
    m_session->screen.click(main->geometry.topLeft() + layout::topicButton(2));
    const std::optional<WindowInfo> game = m_session->screen.waitForNewWindow(shownBefore);
    QVERIFY(game);
    QCOMPARE(game->title, u"数一数有几个"_s);
    m_game = game->geometry;
    // Becoming active started the first question, counted in sys.db.
    QVERIFY(waitUntil([&] { return num4() == before + 1; }, 15000, TablePollMs));
}

void CountingEndToEnd::cleanup()
{
    endSession(m_session);
}

bool CountingEndToEnd::shown(const QRect &area) const
{
    return counting::shown(m_session->screen, area);
}

int CountingEndToEnd::countPictures()
{
    return counting::countPictures(m_session->screen, m_game);
}

// The largest share of pure red seen on `area` until num4 reaches `counted`; nullopt when it
// does not in time. The screen is read often (numbers written onto the pictures stand for a
// few seconds), the table now and then.
std::optional<double> CountingEndToEnd::mostRedUntilCounted(const QRect &area, int counted)
{
    double redMost = 0;
    QElapsedTimer lastRead;
    bool reached = false;
    waitUntil([&] {
        redMost = std::max(redMost, m_session->screen.shareOf(area, qRgb(255, 0, 0)));
        if (!lastRead.isValid() || lastRead.elapsed() >= TablePollMs) {
            lastRead.start();
            reached = num4() == counted;
        }
        return reached;
    }, 20000);
    return reached ? std::optional<double>(redMost) : std::nullopt;
}

void CountingEndToEnd::rightAnswersFillTheFlagRowAndCountEachQuestion()
{
    Screen &screen = m_session->screen;
    const int first = num4();
    // Read once the window has drawn itself: until then the main window shows through.
    QVERIFY2(waitUntil([&] {
        for (int n = 1; n <= 10; ++n) {
            if (shown(flagArea(m_game, n)))
                return false;
        }
        return true;
    }), "the flag row starts empty");

    const int count = countPictures();
    QVERIFY2(count >= 5 && count <= 10, qPrintable(QString::number(count)));
    // A number below five is always wrong: it plays a cue only. Then the right number.
    screen.click(numberButton(m_game, 0));
    screen.click(numberButton(m_game, count));
    QVERIFY2(waitUntil([&] { return shown(flagArea(m_game, 1)); }), "no flag after a right answer");
    QVERIFY(!shown(flagArea(m_game, 2)));
    // The answer sequence ends in the next question, counted in sys.db.
    QVERIFY(waitUntil([&] { return num4() == first + 1; }, 20000, TablePollMs));

    const int next = countPictures();
    QVERIFY2(next >= 5 && next <= 10, qPrintable(QString::number(next)));
    screen.click(numberButton(m_game, next));
    QVERIFY2(waitUntil([&] { return shown(flagArea(m_game, 2)); }), "no second flag");
    QVERIFY(shown(flagArea(m_game, 1)));
    QVERIFY(!shown(flagArea(m_game, 3)));
    QVERIFY(waitUntil([&] { return num4() == first + 2; }, 20000, TablePollMs));

    // The first flag opens the flag window with the flag large; its close box returns to the
    // same question.
    const int standing = countPictures();
    const QSet<unsigned long> before = screen.viewableIds();
    screen.click(flagArea(m_game, 1).center());
    const std::optional<WindowInfo> flagWindow = screen.waitForNewWindow(before);
    QVERIFY2(flagWindow, "the first flag opened no window");
    QCOMPARE(flagWindow->title, u"图片"_s);
    const QRect picture(flagWindow->geometry.topLeft() + QPoint(0, 30), QSize(401, 265));
    QVERIFY(waitUntil([&] { return screen.shareNot(picture, qRgb(0, 0, 0)) > 0.5; }));
    screen.click(layout::closeBox(flagWindow->geometry));
    QVERIFY(screen.waitForHidden(flagWindow->id));
    QCOMPARE(countPictures(), standing);
    QCOMPARE(num4(), first + 2);
}

void CountingEndToEnd::everyThirdWrongAnswerShowsTheAnswerAndMovesOn()
{
    Screen &screen = m_session->screen;
    const int first = num4();
    const int count = countPictures();
    QVERIFY(count >= 5);
    // Pure red numbers are written onto the pictures one by one (a thin "7" covers some 1.5 %
    // of a picture; the animals have no pure red).
    const QRect lastPicture = pictureArea(m_game, count);
    const double redBefore = screen.shareOf(lastPicture, qRgb(255, 0, 0));

    for (int k = 0; k < 3; ++k)
        screen.click(numberButton(m_game, k));
    const std::optional<double> redMost = mostRedUntilCounted(lastPicture, first + 1);
    QVERIFY(redMost);
    QVERIFY2(*redMost > redBefore + 0.005, "the answer was not written onto the pictures");
    // No flag for wrong answers.
    QVERIFY(!shown(flagArea(m_game, 1)));
}

void CountingEndToEnd::clicksDuringTheNumberingAreAnsweredAfterwardsOnTheNextQuestion()
{
    Screen &screen = m_session->screen;
    const int first = num4();
    const int count = countPictures();
    QVERIFY(count >= 5);

    // A right answer: its flag shows, then the pictures are numbered half a second apart and
    // the game waits two seconds. Meanwhile the child clicks three wrong numbers, one of them
    // twice: each click counts.
    screen.click(numberButton(m_game, count));
    QVERIFY2(waitUntil([&] { return shown(flagArea(m_game, 1)); }), "no flag after a right answer");
    for (int k : {0, 1, 0})
        screen.click(numberButton(m_game, k));
    QVERIFY2(num4() == first, "the clicks came after the wait; the machine is too slow for this test");

    // The wait ends in the next question; only then are the three clicks taken, one by one,
    // against it: the third wrong answer numbers the pictures of the question now on screen
    // and moves on.
    QVERIFY(waitUntil([&] { return num4() == first + 1; }, 20000, TablePollMs));
    const int next = countPictures();
    QVERIFY2(next >= 5 && next <= 10, qPrintable(QString::number(next)));
    const std::optional<double> redMost = mostRedUntilCounted(pictureArea(m_game, next), first + 2);
    QVERIFY2(redMost, "the three clicks made during the wait were not all answered");
    QVERIFY2(*redMost > 0.005, "the answer was not written onto the next question's pictures");
    // Wrong answers earn no flag: still the one of the right answer.
    QVERIFY(shown(flagArea(m_game, 1)));
    QVERIFY(!shown(flagArea(m_game, 2)));
}

QTEST_GUILESS_MAIN(CountingEndToEnd)
#include "test_e2e_counting.moc"
