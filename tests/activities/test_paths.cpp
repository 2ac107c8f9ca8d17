// The paths activity: its stepping stones by level without a window, then stones clicked in
// its window: the path grows stone by stone, a wrong stone shakes and the path stays, the
// whole path is one right answer.
#include "activities/paths.h"
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

// A stone off the path.
QPoint aStoneOffThePath()
{
    const PathsQuestion &question = PathsForm->question();
    for (int row = 0; row < PathsQuestion::Rows; ++row) {
        for (int column = 0; column < PathsQuestion::Columns; ++column) {
            if (!question.path.contains(QPoint(column, row)))
                return {column, row};
        }
    }
    return {};
}

} // namespace

class PathsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pathsCountInOrderWithOneWayOn_data();
    void pathsCountInOrderWithOneWayOn();
    void clickingThePathIsOneRightAnswer();
    void aWrongStoneShakesAndThePathStays();
    void thirdWrongStoneShowsThePath();
};

void PathsTest::pathsCountInOrderWithOneWayOn_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("stones");
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("request");
    QTest::newRow("one to five") << 1 << 1 << 5 << 1 << u"从1数到5"_s;
    QTest::newRow("one to eight") << 2 << 1 << 8 << 1 << u"从1数到8"_s;
    QTest::newRow("one to ten") << 3 << 1 << 10 << 1 << u"从1数到10"_s;
    QTest::newRow("twos to sixteen") << 4 << 2 << 8 << 2 << u"两个两个数，从2数到16"_s;
}

void PathsTest::pathsCountInOrderWithOneWayOn()
{
    QFETCH(int, level);
    QFETCH(int, first);
    QFETCH(int, stones);
    QFETCH(int, step);
    QFETCH(QString, request);
    RandomGenerator random;
    for (int s = 0; s < 300; ++s) {
        random.seed(1'700'000'000 + s);
        const PathsQuestion question = drawPathsQuestion(random, level);
        QCOMPARE(question.path.size(), stones);
        QCOMPARE(question.numbers.size(), PathsQuestion::Columns * PathsQuestion::Rows);
        QCOMPARE(question.request(), request);
        QVERIFY(QFile::exists(u":/sounds/%1.wav"_s.arg(question.clip())));
        for (qsizetype k = 0; k < question.path.size(); ++k) {
            const QPoint stone = question.path.at(k);
            QVERIFY(QRect(0, 0, PathsQuestion::Columns, PathsQuestion::Rows).contains(stone));
            QCOMPARE(question.numberAt(stone), first + int(k) * step);
            if (k > 0)
                QVERIFY(areNeighbours(question.path.at(k - 1), stone));
        }
        // From every path stone exactly one neighbour shows the next number: the next stone.
        for (qsizetype k = 0; k + 1 < question.path.size(); ++k) {
            const int next = first + int(k + 1) * step;
            int ways = 0;
            for (const QPoint side : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                const QPoint beside = question.path.at(k) + side;
                if (QRect(0, 0, PathsQuestion::Columns, PathsQuestion::Rows).contains(beside) &&
                    question.numberAt(beside) == next)
                    ++ways;
            }
            QCOMPARE(ways, 1);
        }
        // The start and the goal are on the path only.
        QCOMPARE(question.numbers.count(first), 1);
        QCOMPARE(question.numbers.count(first + (stones - 1) * step), 1);
    }
}

void PathsTest::clickingThePathIsOneRightAnswer()
{
    TestWorld world;
    world.start();
    QVERIFY(openActivity(PathsForm));
    const PathsQuestion question = PathsForm->question();
    QCOMPARE(PathsForm->requestLabel->text(), question.request());
    QCOMPARE(world.cues.played, QStringList{question.clip()});
    for (int row = 0; row < PathsQuestion::Rows; ++row) {
        for (int column = 0; column < PathsQuestion::Columns; ++column) {
            const QPoint at(column, row);
            QCOMPARE(PathsForm->stone(at)->text(), QString::number(question.numberAt(at)));
        }
    }
    QCOMPARE(PathsForm->stonesReached(), 1);
    world.cues.played.clear();
    world.clock.elapsed += 9000;
    world.clock.seconds += 2;
    click(PathsForm->stone(question.path.first())); // the start is already on the path
    for (qsizetype k = 1; k + 1 < question.path.size(); ++k) {
        click(PathsForm->stone(question.path.at(k)));
        QCOMPARE(PathsForm->stonesReached(), k + 1);
    }
    QVERIFY(world.answers.recorded.isEmpty()); // stones on the way answer nothing
    QVERIFY(world.cues.played.isEmpty());

    click(PathsForm->stone(question.path.last()));

    const AnsweredQuestion *row = loggedRightAnswer(world, PathsForm, u"paths"_s, 9000);
    QVERIFY(row);
    QCOMPARE(row->question, question.request());
    QCOMPARE(row->answer, u"1-2-3-4-5"_s);
    QCOMPARE(PathsForm->stonesReached(), 1); // a new path
}

void PathsTest::aWrongStoneShakesAndThePathStays()
{
    TestWorld world;
    world.start();
    QVERIFY(openActivity(PathsForm));
    const PathsQuestion question = PathsForm->question();
    click(PathsForm->stone(question.path.at(1)));
    world.cues.played.clear();
    // Skipping a stone is as wrong as a stone off the path.
    const QPoint skipped = question.path.at(3);
    const QPoint rest = PathsForm->stone(skipped)->pos();
    click(PathsForm->stone(skipped));
    QVERIFY(PathsForm->isShaking(skipped));
    checkWrongAnswer(world, PathsForm, QString::number(question.numberAt(skipped)));
    QCOMPARE(PathsForm->stonesReached(), 2);
    QTRY_VERIFY(!PathsForm->isShaking(skipped));
    QCOMPARE(PathsForm->stone(skipped)->pos(), rest);
    // The path goes on from where it stood.
    for (qsizetype k = 2; k < question.path.size(); ++k)
        click(PathsForm->stone(question.path.at(k)));
    QCOMPARE(world.answers.recorded.size(), 2);
    QVERIFY(world.answers.recorded.last().right);
}

void PathsTest::thirdWrongStoneShowsThePath()
{
    TestWorld world;
    world.start();
    QVERIFY(openActivity(PathsForm));
    const PathsQuestion question = PathsForm->question();
    const QPoint off = aStoneOffThePath();
    click(PathsForm->stone(off));
    click(PathsForm->stone(off));
    QVERIFY(!PathsForm->stone(question.path.last())->marked());
    bool shown = false;
    world.clock.onHold = [&](int) { shown = PathsForm->stone(question.path.last())->marked(); };
    world.clock.seconds += 3;
    click(PathsForm->stone(off));
    QVERIFY(shown);
    QCOMPARE(world.clock.holds, QList<int>{TPathsForm::PauseAfterAnswerShown});
    QCOMPARE(world.answers.recorded.size(), 3);
    QCOMPARE(PathsForm->stonesReached(), 1);
}

QTEST_MAIN(PathsTest)
#include "test_paths.moc"
