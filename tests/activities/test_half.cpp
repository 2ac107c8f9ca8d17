// The half activity in its window: fruit dragged between the plates with real mouse events,
// "好了" judging the share, and the cut lines clicked on the shape, with cues, flags and
// answer log rows.
#include "activities/cutview.h"
#include "activities/draggable.h"
#include "activities/half.h"
#include "activities/stagebutton.h"
#include "tests/activities/activitytesting.h"
#include "tests/support/testworld.h"
#include "toolkit/panel.h"

#include <QLabel>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace abacolo;
using namespace abacolo::test;

namespace {

void moveToEmptyPlate(int count)
{
    int moved = 0;
    for (int i = 0; moved < count; ++i) {
        Draggable *piece = HalfForm->fruit(i);
        if (HalfForm->fullPlate->geometry().contains(piece->geometry().center())) {
            drag(piece, HalfForm->emptyPlate->geometry().center());
            ++moved;
        }
    }
}

// Ten right answers: the window asks for cut lines.
void climbToCutting(TestWorld &world)
{
    for (int n = 0; n < 10; ++n) {
        world.clock.seconds += 2;
        moveToEmptyPlate(HalfForm->question().fruit / 2);
        click(HalfForm->doneButton);
    }
}

} // namespace

class HalfTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fruitStartsOnOnePlate();
    void theQuestionStandsBeforeTheWindowIsActive();
    void draggingHalfOntoTheEmptyPlateIsRight();
    void tooFewIsWrongAndFruitCanGoBack();
    void fruitDroppedOffThePlatesGoesBack();
    void thirdWrongShareShowsHalfOnEachPlate();
    void clickingTheMiddleLineCutsTwoHalves();
};

void HalfTest::fruitStartsOnOnePlate()
{
    TestWorld world;
    world.start();
    QVERIFY(openActivity(HalfForm));
    const HalfQuestion &question = HalfForm->question();
    QVERIFY(!question.cutting);
    QCOMPARE(HalfForm->requestLabel->text(), u"分一半给空盘子"_s);
    QCOMPARE(world.cues.played, QStringList{u"move_half"_s});
    for (int i = 0; i < THalfForm::MostFruit; ++i) {
        QCOMPARE(HalfForm->fruit(i)->isVisible(), i < question.fruit);
        if (i < question.fruit)
            QVERIFY(HalfForm->fullPlate->geometry().contains(HalfForm->fruit(i)->geometry()));
    }
    QCOMPARE(HalfForm->fruitMoved(), 0);
    QVERIFY(!HalfForm->cutView->isVisible());
}

void HalfTest::theQuestionStandsBeforeTheWindowIsActive()
{
    TestWorld world;
    world.start();
    // The window manager may take a while to activate a new window: the question must not wait
    // for it (the bare stage would show the cut view over the plates).
    HalfForm->Show();
    QCOMPARE(HalfForm->requestLabel->text(), u"分一半给空盘子"_s);
    QVERIFY(HalfForm->fruit(0)->isVisibleTo(HalfForm));
    QVERIFY(!HalfForm->cutView->isVisibleTo(HalfForm));
    // Its activation keeps that question; coming back to the window later asks a new one.
    QVERIFY(QTest::qWaitForWindowActive(HalfForm));
    QCOMPARE(world.cues.played, QStringList{u"move_half"_s});
    QVERIFY(openActivity(HalfForm));
    QCOMPARE(world.cues.played, (QStringList{u"move_half"_s, u"move_half"_s}));
}

void HalfTest::draggingHalfOntoTheEmptyPlateIsRight()
{
    TestWorld world;
    world.start();
    QVERIFY(openActivity(HalfForm));
    const int fruit = HalfForm->question().fruit;
    moveToEmptyPlate(fruit / 2);
    QCOMPARE(HalfForm->fruitMoved(), fruit / 2);
    for (int i = 0; i < fruit; ++i) {
        const QRect place = HalfForm->fruit(i)->geometry();
        QVERIFY(HalfForm->fullPlate->geometry().contains(place)
                || HalfForm->emptyPlate->geometry().contains(place));
    }
    world.cues.played.clear();
    world.clock.elapsed += 9000;
    world.clock.seconds += 2;
    click(HalfForm->doneButton);
    QCOMPARE(world.cues.played.first(), u"vright"_s);
    QCOMPARE(visibleFlags(HalfForm), 1);
    const AnsweredQuestion &row = world.answers.recorded.first();
    QCOMPARE(row.activity, u"half"_s);
    QCOMPARE(row.question, u"一半：%1个"_s.arg(fruit));
    QCOMPARE(row.answer, u"%1个"_s.arg(fruit / 2));
    QVERIFY(row.right);
    QCOMPARE(row.msecsTaken, 9000);
    QCOMPARE(HalfForm->fruitMoved(), 0); // the next question starts on one plate
}

void HalfTest::tooFewIsWrongAndFruitCanGoBack()
{
    TestWorld world;
    world.start();
    QVERIFY(openActivity(HalfForm));
    const int fruit = HalfForm->question().fruit;
    moveToEmptyPlate(fruit / 2 + 1);
    click(HalfForm->doneButton);
    QCOMPARE(world.cues.played.last(), u"vwrong"_s);
    QVERIFY(!world.answers.recorded.last().right);
    QCOMPARE(world.answers.recorded.last().answer, u"%1个"_s.arg(fruit / 2 + 1));
    QCOMPARE(HalfForm->fruitMoved(), fruit / 2 + 1); // the plates stay as the child left them

    // One back onto the full plate, and it is right.
    for (int i = 0; i < fruit; ++i) {
        if (HalfForm->emptyPlate->geometry().contains(HalfForm->fruit(i)->geometry().center())) {
            drag(HalfForm->fruit(i), HalfForm->fullPlate->geometry().center());
            break;
        }
    }
    QCOMPARE(HalfForm->fruitMoved(), fruit / 2);
    world.clock.seconds += 2;
    click(HalfForm->doneButton);
    QVERIFY(world.answers.recorded.last().right);
}

void HalfTest::fruitDroppedOffThePlatesGoesBack()
{
    TestWorld world;
    world.start();
    QVERIFY(openActivity(HalfForm));
    Draggable *piece = HalfForm->fruit(0);
    const QPoint before = piece->pos();
    drag(piece, QPoint(506, 480)); // the black stage below the plates
    QCOMPARE(piece->pos(), before);
    QCOMPARE(HalfForm->fruitMoved(), 0);
    QVERIFY(world.answers.recorded.isEmpty());
}

void HalfTest::thirdWrongShareShowsHalfOnEachPlate()
{
    TestWorld world;
    world.start();
    QVERIFY(openActivity(HalfForm));
    const int fruit = HalfForm->question().fruit;
    click(HalfForm->doneButton);
    click(HalfForm->doneButton);
    int shownMoved = -1;
    world.clock.onHold = [&](int) { shownMoved = HalfForm->fruitMoved(); };
    world.clock.seconds += 3;
    click(HalfForm->doneButton);
    QCOMPARE(shownMoved, fruit / 2);
    QCOMPARE(world.clock.holds, QList<int>{THalfForm::PauseAfterAnswerShown});
    QCOMPARE(world.answers.recorded.size(), 3);
    QCOMPARE(visibleFlags(HalfForm), 0);
}

void HalfTest::clickingTheMiddleLineCutsTwoHalves()
{
    TestWorld world;
    world.start();
    QVERIFY(openActivity(HalfForm));
    climbToCutting(world);
    QCOMPARE(HalfForm->level(), 3);
    const HalfQuestion question = HalfForm->question();
    QVERIFY(question.cutting);
    QVERIFY(HalfForm->cutView->isVisible());
    QVERIFY(!HalfForm->fullPlate->isVisible() && !HalfForm->doneButton->isVisible());
    QVERIFY(!HalfForm->fruit(0)->isVisible());
    QCOMPARE(HalfForm->requestLabel->text(), u"哪条线分得对？"_s);
    QCOMPARE(world.cues.played.last(), u"find_half_cut"_s);

    // Each line is found where it is drawn; a click far from all of them answers nothing.
    for (int i = 0; i < 3; ++i)
        QCOMPARE(HalfForm->cutView->lineAt(HalfForm->cutView->pointOnLine(i)), i);
    const qsizetype rows = world.answers.recorded.size();
    click(HalfForm->cutView, QPoint(2, 2));
    QCOMPARE(world.answers.recorded.size(), rows);

    const int wrong = question.rightLine() == 0 ? 1 : 0;
    click(HalfForm->cutView, HalfForm->cutView->pointOnLine(wrong));
    QVERIFY(!world.answers.recorded.last().right);
    QCOMPARE(world.cues.played.last(), u"vwrong"_s);

    int markedDuringPause = -1;
    world.clock.onHold = [&](int) { markedDuringPause = HalfForm->cutView->markedLine(); };
    world.clock.seconds += 2;
    click(HalfForm->cutView, HalfForm->cutView->pointOnLine(question.rightLine()));
    QCOMPARE(markedDuringPause, question.rightLine());
    const AnsweredQuestion &row = world.answers.recorded.last();
    QVERIFY(row.right);
    QCOMPARE(row.question, u"分成两半："_s + shapeName(question.shape));
    QCOMPARE(row.answer, question.lines.at(question.rightLine()).orientation == Qt::Vertical
                             ? u"中间的竖线"_s
                             : u"中间的横线"_s);
}

QTEST_MAIN(HalfTest)
#include "test_half.moc"
