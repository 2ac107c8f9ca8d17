// The directions activity: its instructions by level and the arrow walk without a window,
// then squares and arrow buttons clicked in its window, with cues, flags, answer log rows and
// the end square shown at every third wrong answer.
#include "activities/directions.h"
#include "activities/stagebutton.h"
#include "services/random.h"
#include "tests/activities/activitytesting.h"
#include "tests/support/testworld.h"

#include <QFile>
#include <QLabel>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace abacolo;
using namespace abacolo::test;

namespace {

// A square that is not where the walk ends.
QPoint anotherSquare()
{
    const QPoint goal = DirectionsForm->question().goal();
    return goal == QPoint(0, 0) ? QPoint(1, 0) : QPoint(0, 0);
}

// An arrow that is not the first press of the walk.
Heading aWrongArrow()
{
    return DirectionsForm->question().presses().first() == Heading::Up ? Heading::Down : Heading::Up;
}

} // namespace

class DirectionsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void questionsWalkWithinTheGridByLevel_data();
    void questionsWalkWithinTheGridByLevel();
    void instructionsAreWrittenAndSpoken_data();
    void instructionsAreWrittenAndSpoken();
    void arrowWalkFollowsTheInstructions_data();
    void arrowWalkFollowsTheInstructions();
    void clickingTheEndSquareIsRightAndLogged();
    void arrowsWalkTheAnimalThere();
    void aWrongArrowLeavesTheAnimalAndIsLogged();
    void thirdWrongSquareShowsTheEndSquare();
};

void DirectionsTest::questionsWalkWithinTheGridByLevel_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("walks");
    QTest::addColumn<int>("mostSteps");
    QTest::newRow("one walk of up to three") << 1 << 1 << 3;
    QTest::newRow("one walk of up to five") << 2 << 1 << 5;
    QTest::newRow("across, then up or down") << 3 << 2 << 3;
}

void DirectionsTest::questionsWalkWithinTheGridByLevel()
{
    QFETCH(int, level);
    QFETCH(int, walks);
    QFETCH(int, mostSteps);
    RandomGenerator random;
    QSet<int> headings;
    QSet<int> steps;
    QSet<QString> clips;
    for (int s = 0; s < 400; ++s) {
        random.seed(1'700'000'000 + s);
        const DirectionsQuestion question = drawDirectionsQuestion(random, level);
        QCOMPARE(question.walks.size(), walks);
        // Every square of the walk is on the grid, the start included.
        QPoint at = question.start;
        QVERIFY(DirectionsQuestion::onGrid(at));
        for (const Heading heading : question.presses()) {
            at += stepOf(heading);
            QVERIFY2(DirectionsQuestion::onGrid(at), qPrintable(question.request()));
        }
        QCOMPARE(at, question.goal());
        for (const Walk &walk : question.walks) {
            headings.insert(int(walk.heading));
            steps.insert(walk.steps);
        }
        if (walks == 2) {
            QVERIFY(question.walks.at(0).heading == Heading::Right ||
                    question.walks.at(0).heading == Heading::Left);
            QVERIFY(question.walks.at(1).heading == Heading::Up ||
                    question.walks.at(1).heading == Heading::Down);
        }
        clips.insert(question.clip());
    }
    QCOMPARE(headings.size(), 4);
    QCOMPARE(*std::max_element(steps.begin(), steps.end()), mostSteps);
    QCOMPARE(*std::min_element(steps.begin(), steps.end()), 1);
    // Every instruction of the level has its spoken clip.
    for (const QString &clip : std::as_const(clips))
        QVERIFY2(QFile::exists(u":/sounds/%1.wav"_s.arg(clip)), qPrintable(clip));
}

void DirectionsTest::instructionsAreWrittenAndSpoken_data()
{
    QTest::addColumn<QList<int>>("walks"); // heading, steps, heading, steps
    QTest::addColumn<QString>("request");
    QTest::addColumn<QString>("clip");
    QTest::addColumn<QPoint>("goal"); // from (3, 2)
    QTest::newRow("right") << QList<int>{int(Heading::Right), 3} << u"向右走3步"_s << u"go_right_3"_s
                           << QPoint(6, 2);
    QTest::newRow("up") << QList<int>{int(Heading::Up), 2} << u"向上走2步"_s << u"go_up_2"_s
                        << QPoint(3, 0);
    QTest::newRow("left then down") << QList<int>{int(Heading::Left), 1, int(Heading::Down), 2}
                                    << u"向左走1步，再向下走2步"_s << u"go_left_1_down_2"_s
                                    << QPoint(2, 4);
}

void DirectionsTest::instructionsAreWrittenAndSpoken()
{
    QFETCH(QList<int>, walks);
    QFETCH(QString, request);
    QFETCH(QString, clip);
    QFETCH(QPoint, goal);
    DirectionsQuestion question;
    question.start = QPoint(3, 2);
    for (qsizetype i = 0; i < walks.size(); i += 2)
        question.walks.append({Heading(walks.at(i)), walks.at(i + 1)});
    QCOMPARE(question.request(), request);
    QCOMPARE(question.clip(), clip);
    QCOMPARE(question.goal(), goal);
}

void DirectionsTest::arrowWalkFollowsTheInstructions_data()
{
    QTest::addColumn<QString>("presses"); // R L U D
    QTest::addColumn<QString>("outcomes"); // s stepped, a arrived, w wrong
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<QString>("arrows");
    // The walk: right 2, then up 1, from (1, 3).
    QTest::newRow("straight there") << u"RRU"_s << u"ssa"_s << QPoint(3, 2) << u"→→↑"_s;
    QTest::newRow("turning too soon") << u"RUR"_s << u"sws"_s << QPoint(3, 3) << u"→→"_s;
    QTest::newRow("wrong way first") << u"LRRU"_s << u"wssa"_s << QPoint(3, 2) << u"→→↑"_s;
    QTest::newRow("a press too many") << u"RRUU"_s << u"ssaw"_s << QPoint(3, 2) << u"→→↑"_s;
}

void DirectionsTest::arrowWalkFollowsTheInstructions()
{
    QFETCH(QString, presses);
    QFETCH(QString, outcomes);
    QFETCH(QPoint, position);
    QFETCH(QString, arrows);
    DirectionsQuestion question;
    question.start = QPoint(1, 3);
    question.walks = {{Heading::Right, 2}, {Heading::Up, 1}};
    ArrowWalk walk(question);
    QString seen;
    for (const QChar press : presses) {
        const Heading heading = Heading(QStringView(u"RLUD").indexOf(press));
        switch (walk.press(heading)) {
        case ArrowWalk::Outcome::Stepped:
            seen += u's';
            break;
        case ArrowWalk::Outcome::Arrived:
            seen += u'a';
            break;
        case ArrowWalk::Outcome::Wrong:
            seen += u'w';
            break;
        }
    }
    QCOMPARE(seen, outcomes);
    QCOMPARE(walk.position(), position);
    QCOMPARE(walk.pressedArrows(), arrows);
}

void DirectionsTest::clickingTheEndSquareIsRightAndLogged()
{
    TestWorld world;
    world.start();
    QVERIFY(openActivity(DirectionsForm));
    const DirectionsQuestion question = DirectionsForm->question();
    QCOMPARE(DirectionsForm->requestLabel->text(), question.request());
    QCOMPARE(world.cues.played, QStringList{question.clip()});
    QCOMPARE(DirectionsForm->animalAt(), question.start);
    world.cues.played.clear();
    world.clock.elapsed += 2200;
    world.clock.seconds += 2;

    click(DirectionsForm->square(question.goal()));

    const AnsweredQuestion *row = loggedRightAnswer(world, DirectionsForm, u"directions"_s, 2200);
    QVERIFY(row);
    QCOMPARE(row->question, question.request());
    QCOMPARE(row->answer, u"第%1行第%2格"_s.arg(question.goal().y() + 1).arg(question.goal().x() + 1));
}

void DirectionsTest::arrowsWalkTheAnimalThere()
{
    TestWorld world;
    world.start();
    QVERIFY(openActivity(DirectionsForm));
    const DirectionsQuestion question = DirectionsForm->question();
    const QList<Heading> presses = question.presses();
    QPoint at = question.start;
    world.clock.seconds += 2;
    for (qsizetype i = 0; i + 1 < presses.size(); ++i) {
        click(DirectionsForm->arrowButton(presses.at(i)));
        at += stepOf(presses.at(i));
        QCOMPARE(DirectionsForm->animalAt(), at);
    }
    QVERIFY(world.answers.recorded.isEmpty()); // steps on the way answer nothing
    click(DirectionsForm->arrowButton(presses.last()));
    QCOMPARE(world.answers.recorded.size(), 1);
    QVERIFY(world.answers.recorded.first().right);
    QString arrows;
    for (const Heading heading : presses)
        arrows += headingArrow(heading);
    QCOMPARE(world.answers.recorded.first().answer, arrows);
    QCOMPARE(visibleFlags(DirectionsForm), 1);
}

void DirectionsTest::aWrongArrowLeavesTheAnimalAndIsLogged()
{
    TestWorld world;
    world.start();
    QVERIFY(openActivity(DirectionsForm));
    const DirectionsQuestion question = DirectionsForm->question();
    world.cues.played.clear();
    click(DirectionsForm->arrowButton(aWrongArrow()));
    QCOMPARE(DirectionsForm->animalAt(), question.start);
    checkWrongAnswer(world, DirectionsForm, headingArrow(aWrongArrow()));
    // The question stays and the right walk still gets there.
    for (const Heading heading : question.presses())
        click(DirectionsForm->arrowButton(heading));
    QVERIFY(world.answers.recorded.last().right);
}

void DirectionsTest::thirdWrongSquareShowsTheEndSquare()
{
    TestWorld world;
    world.start();
    QVERIFY(openActivity(DirectionsForm));
    const QPoint goal = DirectionsForm->question().goal();
    click(DirectionsForm->square(anotherSquare()));
    click(DirectionsForm->arrowButton(aWrongArrow()));
    QVERIFY(!DirectionsForm->square(goal)->marked());
    bool shown = false;
    world.clock.onHold = [&](int) { shown = DirectionsForm->square(goal)->marked(); };
    world.clock.seconds += 3;
    click(DirectionsForm->square(anotherSquare()));
    QVERIFY(shown);
    QCOMPARE(world.clock.holds, QList<int>{TDirectionsForm::PauseAfterAnswerShown});
    QCOMPARE(world.answers.recorded.size(), 3);
    QVERIFY(!DirectionsForm->square(DirectionsForm->question().goal())->marked());
}

QTEST_MAIN(DirectionsTest)
#include "test_directions.moc"
