// The bar-graphs activity: its scenes by level without a window, then its window clicked as a
// child does: columns built a cell a click (and lowered by their top), a column refused past
// its count, the kinds there are most and fewest of picked from the graph, and the answer
// shown at every third wrong answer.
#include "activities/bargraphs.h"
#include "activities/bargraphview.h"
#include "activities/countedthings.h"
#include "activities/stagebutton.h"
#include "services/random.h"
#include "tests/activities/activitytesting.h"
#include "tests/support/testworld.h"

#include <QLabel>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace abacolo;
using namespace abacolo::test;

using Step = TBarGraphsForm::Step;

namespace {

void clickAt(QPoint at)
{
    QTest::mouseClick(BarGraphsForm->graph, Qt::LeftButton, {}, at);
}

// One click on the first empty cell of a column.
void raise(int column)
{
    clickAt(BarGraphsForm->graph->cellRect(column, BarGraphsForm->graph->bar(column)).center());
}

// Builds the graph true to the scene, a click a cell.
void build()
{
    const BarGraphsQuestion &question = BarGraphsForm->question();
    for (int column = 0; column < question.kinds.size(); ++column) {
        while (BarGraphsForm->graph->bar(column) < question.counts.at(column))
            raise(column);
    }
}

void pick(int column)
{
    clickAt(BarGraphsForm->graph->labelRect(column).center());
}

// A column that is not the answer of the step.
int aWrongColumn()
{
    const BarGraphsQuestion &question = BarGraphsForm->question();
    const int answer = BarGraphsForm->step() == Step::Most ? question.most() : question.fewest();
    return (answer + 1) % int(question.kinds.size());
}

bool startBarGraphs(TestWorld &world)
{
    world.start();
    if (!openActivity(BarGraphsForm))
        return false;
    world.cues.played.clear();
    return true;
}

} // namespace

class BarGraphsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void scenesFollowTheLevels_data();
    void scenesFollowTheLevels();
    void buildingTheGraphIsOneRightAnswer();
    void aColumnPastItsCountIsRefused();
    void mostAndFewestArePickedFromTheGraph();
    void thirdWrongAnswerShowsItAndMovesOn_data();
    void thirdWrongAnswerShowsItAndMovesOn();
};

void BarGraphsTest::scenesFollowTheLevels_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("fewestKinds");
    QTest::addColumn<int>("mostKinds");
    QTest::addColumn<int>("highest");
    QTest::newRow("two or three kinds to five") << 1 << 2 << 3 << 5;
    QTest::newRow("three or four kinds to eight") << 2 << 3 << 4 << 8;
    QTest::newRow("four kinds to ten") << 3 << 4 << 4 << 10;
}

void BarGraphsTest::scenesFollowTheLevels()
{
    QFETCH(int, level);
    QFETCH(int, fewestKinds);
    QFETCH(int, mostKinds);
    QFETCH(int, highest);
    const QRectF sceneArea(QPointF(0, 0), BarGraphsQuestion::SceneSize);
    const QStringList things = countedThings();
    RandomGenerator random;
    QSet<int> kindCounts;
    QSet<int> countsSeen;
    for (int s = 0; s < 300; ++s) {
        random.seed(1'700'000'000 + s);
        const BarGraphsQuestion question = drawBarGraphsQuestion(random, level);
        QCOMPARE(question.highest, highest);
        const int kinds = int(question.kinds.size());
        kindCounts.insert(kinds);
        QCOMPARE(QSet<QString>(question.kinds.begin(), question.kinds.end()).size(), kinds);
        for (const QString &kind : question.kinds)
            QVERIFY(things.contains(kind));
        QCOMPARE(question.counts.size(), kinds);

        // Each count in range and shown by that many pictures; one kind most, one fewest.
        QList<int> pictured(kinds, 0);
        for (const ScenePicture &picture : question.scene)
            ++pictured[picture.kind];
        QCOMPARE(pictured, question.counts);
        for (const int count : question.counts) {
            QVERIFY(count >= 1 && count <= highest);
            countsSeen.insert(count);
        }
        QCOMPARE(question.counts.count(question.counts.at(question.most())), 1);
        QCOMPARE(question.counts.count(question.counts.at(question.fewest())), 1);
        QVERIFY(question.counts.at(question.most()) > question.counts.at(question.fewest()));

        // Every picture whole inside the scene, large enough to count, none on another.
        for (int i = 0; i < question.scene.size(); ++i) {
            const QRectF place = question.scene.at(i).place;
            QVERIFY(sceneArea.contains(place));
            QCOMPARE(place.width(), place.height());
            QVERIFY2(place.width() >= 48, qPrintable(QString::number(place.width())));
            for (int j = 0; j < i; ++j)
                QVERIFY(!place.intersects(question.scene.at(j).place));
        }
    }
    QCOMPARE(kindCounts.size(), mostKinds - fewestKinds + 1);
    QCOMPARE(*std::min_element(kindCounts.begin(), kindCounts.end()), fewestKinds);
    QCOMPARE(countsSeen.size(), highest); // every count from one to the highest
}

void BarGraphsTest::buildingTheGraphIsOneRightAnswer()
{
    TestWorld world;
    QVERIFY(startBarGraphs(world));
    const BarGraphsQuestion question = BarGraphsForm->question();
    BarGraphView *graph = BarGraphsForm->graph;
    QCOMPARE(BarGraphsForm->requestLabel->text(), u"数一数，填好统计图"_s);
    QCOMPARE(BarGraphsForm->request(), u"数一数，填好统计图"_s);
    QCOMPARE(graph->columns(), question.kinds.size());
    QVERIFY(BarGraphsForm->scene->isVisible());
    QVERIFY(!graph->geometry().intersects(BarGraphsForm->scene->geometry()));

    // A click on a column's picture is one cell more; on its top cell, one less; on a cell
    // below the top, nothing.
    pick(0);
    QCOMPARE(graph->bar(0), 1);
    raise(0);
    QCOMPARE(graph->bar(0), 2);
    clickAt(graph->cellRect(0, 0).center());
    QCOMPARE(graph->bar(0), 2);
    clickAt(graph->cellRect(0, 1).center());
    QCOMPARE(graph->bar(0), 1);
    clickAt(graph->cellRect(0, 0).center());
    QCOMPARE(graph->bar(0), 0);
    clickAt(graph->cellRect(0, 0).center()); // the empty first cell
    QCOMPARE(graph->bar(0), 1);
    QVERIFY(world.answers.recorded.isEmpty());
    QVERIFY(world.cues.played.isEmpty());

    world.clock.elapsed += 9000;
    world.clock.seconds += 2;
    build();
    const AnsweredQuestion *row = loggedRightAnswer(world, BarGraphsForm, u"bar_graphs"_s, 9000);
    QVERIFY(row);
    QCOMPARE(world.cues.played, (QStringList{u"vright"_s, u"which_most"_s}));
    QCOMPARE(row->question, u"数一数，填好统计图 "_s + question.text());
    QCOMPARE(row->answer, question.text());
    // The same scene, now asked about: the graph stays as built.
    QCOMPARE(BarGraphsForm->step(), Step::Most);
    QCOMPARE(BarGraphsForm->requestLabel->text(), u"哪种最多？"_s);
    QCOMPARE(BarGraphsForm->question().kinds, question.kinds);
    for (int column = 0; column < question.kinds.size(); ++column)
        QCOMPARE(graph->bar(column), question.counts.at(column));
    QVERIFY(question.text().startsWith(countedThingName(question.kinds.first()) +
                                       QString::number(question.counts.first()) + u' '));
}

void BarGraphsTest::aColumnPastItsCountIsRefused()
{
    TestWorld world;
    QVERIFY(startBarGraphs(world));
    const BarGraphsQuestion question = BarGraphsForm->question();
    BarGraphView *graph = BarGraphsForm->graph;
    const int column = question.most(); // the others still wait, so the graph is not built
    while (graph->bar(column) < question.counts.at(column))
        raise(column);
    QVERIFY(world.answers.recorded.isEmpty());

    pick(column);
    QCOMPARE(graph->bar(column), question.counts.at(column));
    QVERIFY(graph->isShaking());
    checkWrongAnswer(world, BarGraphsForm,
                     countedThingName(question.kinds.at(column)) + QString::number(question.counts.at(column) + 1));
    QCOMPARE(BarGraphsForm->step(), Step::Building);
}

void BarGraphsTest::mostAndFewestArePickedFromTheGraph()
{
    TestWorld world;
    QVERIFY(startBarGraphs(world));
    const BarGraphsQuestion question = BarGraphsForm->question();
    BarGraphView *graph = BarGraphsForm->graph;
    build();
    world.cues.played.clear();
    QVERIFY(graph->picking());

    const int wrong = aWrongColumn();
    clickAt(graph->cellRect(wrong, 0).center()); // a click anywhere on a column picks it
    QCOMPARE(world.cues.played, QStringList{u"vwrong"_s});
    QCOMPARE(graph->bar(wrong), question.counts.at(wrong));
    QCOMPARE(BarGraphsForm->step(), Step::Most);

    world.cues.played.clear();
    bool markedMost = false;
    world.clock.onHold = [&](int) { markedMost = graph->marked() == question.most(); };
    pick(question.most());
    QVERIFY(markedMost);
    QCOMPARE(world.cues.played, (QStringList{u"vright"_s, u"which_fewest"_s}));
    QCOMPARE(BarGraphsForm->requestLabel->text(), u"哪种最少？"_s);
    QCOMPARE(graph->marked(), -1);

    world.clock.seconds += 2;
    world.cues.played.clear();
    pick(question.fewest());
    QCOMPARE(world.cues.played, (QStringList{u"vright"_s, u"build_bar_graph"_s}));
    QCOMPARE(visibleFlags(BarGraphsForm), 3);
    // A new scene with an empty graph to build.
    QCOMPARE(BarGraphsForm->step(), Step::Building);
    QVERIFY(!graph->picking());
    for (int column = 0; column < graph->columns(); ++column)
        QCOMPARE(graph->bar(column), 0);

    QCOMPARE(world.answers.recorded.size(), 4);
    const QString counts = question.text();
    const QList<std::tuple<QString, QString, bool>> rows{
        {u"数一数，填好统计图 "_s + counts, counts, true},
        {u"哪种最多？ "_s + counts, countedThingName(question.kinds.at(wrong)), false},
        {u"哪种最多？ "_s + counts, countedThingName(question.kinds.at(question.most())), true},
        {u"哪种最少？ "_s + counts, countedThingName(question.kinds.at(question.fewest())), true}};
    for (int i = 0; i < rows.size(); ++i) {
        const AnsweredQuestion &row = world.answers.recorded.at(i);
        QCOMPARE(row.question, std::get<0>(rows.at(i)));
        QCOMPARE(row.answer, std::get<1>(rows.at(i)));
        QCOMPARE(row.right, std::get<2>(rows.at(i)));
    }
}

void BarGraphsTest::thirdWrongAnswerShowsItAndMovesOn_data()
{
    QTest::addColumn<Step>("step");
    QTest::addColumn<Step>("next");
    QTest::newRow("a column past its count: the graph built") << Step::Building << Step::Most;
    QTest::newRow("not the most: the most marked") << Step::Most << Step::Fewest;
    QTest::newRow("not the fewest: the fewest marked") << Step::Fewest << Step::Building;
}

void BarGraphsTest::thirdWrongAnswerShowsItAndMovesOn()
{
    QFETCH(Step, step);
    QFETCH(Step, next);
    TestWorld world;
    QVERIFY(startBarGraphs(world));
    const BarGraphsQuestion question = BarGraphsForm->question();
    BarGraphView *graph = BarGraphsForm->graph;
    if (step != Step::Building)
        build();
    if (step == Step::Fewest)
        pick(question.most());
    QCOMPARE(BarGraphsForm->step(), step);
    world.answers.recorded.clear();
    world.clock.holds.clear();

    // Past the count of the most, or a wrong pick.
    const auto wrongAnswer = [&] {
        if (step == Step::Building)
            pick(question.most());
        else
            pick(aWrongColumn());
    };
    if (step == Step::Building) {
        while (graph->bar(question.most()) < question.counts.at(question.most()))
            raise(question.most());
    }
    wrongAnswer();
    wrongAnswer();
    bool shown = false;
    world.clock.onHold = [&](int) {
        if (step == Step::Building) {
            shown = true;
            for (int column = 0; column < graph->columns(); ++column)
                shown = shown && graph->bar(column) == question.counts.at(column);
        } else {
            shown = graph->marked() == (step == Step::Most ? question.most() : question.fewest());
        }
    };
    world.clock.seconds += 3;
    wrongAnswer();
    QVERIFY(shown);
    QCOMPARE(world.clock.holds, QList<int>{TBarGraphsForm::PauseAfterAnswerShown});
    QCOMPARE(world.answers.recorded.size(), 3);
    QCOMPARE(BarGraphsForm->step(), next);
    QCOMPARE(graph->marked(), -1);
}

QTEST_MAIN(BarGraphsTest)
#include "test_bargraphs.moc"
