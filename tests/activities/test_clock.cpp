// The clock activity in its window: reading the time from three written ones, and setting
// the hands by dragging the long hand with real mouse events, with cues, flags and answer
// log rows.
#include "activities/clock.h"
#include "activities/clockface.h"
#include "activities/stagebutton.h"
#include "tests/activities/activitytesting.h"
#include "tests/support/testworld.h"

#include <QLabel>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace abacolo;
using namespace abacolo::test;

namespace {

void answerRight(TestWorld &world)
{
    world.clock.seconds += 2;
    const ClockQuestion &question = ClockForm->question();
    click(ClockForm->choiceButton(question.answerIndex()));
}

// Ten right answers: the window asks to set the hands.
void climbToSetting(TestWorld &world)
{
    for (int n = 0; n < 10; ++n)
        answerRight(world);
}

// Takes the long hand at its tip and turns it by `degrees` (clockwise when positive) in small
// steps, as a hand would, then lets go.
void turnLongHand(double degrees)
{
    ClockFace *face = ClockForm->clockFace;
    const double start = face->time() % 60 * 6.0;
    QTest::mousePress(face, Qt::LeftButton, {}, face->minuteHandTip());
    const int steps = int(std::abs(degrees) / 10);
    for (int step = 1; step <= steps; ++step) {
        const double angle = start + degrees * step / steps;
        QTest::mouseMove(face, face->pointAt(angle, 0.6).toPoint());
    }
    QTest::mouseRelease(face, Qt::LeftButton, {}, face->pointAt(start + degrees, 0.6).toPoint());
}

} // namespace

class ClockTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readingOffersThreeTimesOneRight();
    void wrongTimeIsWrongAndTheThirdShowsTheRightOne();
    void settingTheHandsByDraggingTheLongHand();
    void aPressAwayFromTheLongHandTurnsNothing();
};

void ClockTest::readingOffersThreeTimesOneRight()
{
    TestWorld world;
    world.start();
    QVERIFY(openActivity(ClockForm));
    const ClockQuestion question = ClockForm->question();
    QCOMPARE(ClockForm->requestLabel->text(), u"现在几点？"_s);
    QCOMPARE(world.cues.played, QStringList{u"what_time"_s});
    QCOMPARE(ClockForm->clockFace->time(), question.time.sinceTwelve());
    QVERIFY(!ClockForm->clockFace->settable());
    QVERIFY(!ClockForm->doneButton->isVisible());
    for (int i = 0; i < 3; ++i)
        QCOMPARE(ClockForm->choiceButton(i)->text(), question.choices.at(i).spoken());

    world.cues.played.clear();
    world.clock.elapsed += 3000;
    answerRight(world);
    QCOMPARE(world.cues.played.first(), u"vright"_s);
    QCOMPARE(visibleFlags(ClockForm), 1);
    const AnsweredQuestion &row = world.answers.recorded.first();
    QCOMPARE(row.activity, u"clock"_s);
    QCOMPARE(row.question, u"认识时间 "_s + question.time.written());
    QCOMPARE(row.answer, question.time.spoken());
    QVERIFY(row.right);
    QCOMPARE(row.msecsTaken, 3000);
}

void ClockTest::wrongTimeIsWrongAndTheThirdShowsTheRightOne()
{
    TestWorld world;
    world.start();
    QVERIFY(openActivity(ClockForm));
    const ClockQuestion question = ClockForm->question();
    const int wrong = question.answerIndex() == 0 ? 1 : 0;
    click(ClockForm->choiceButton(wrong));
    click(ClockForm->choiceButton(wrong));
    QCOMPARE(world.cues.played.mid(1), (QStringList{u"vwrong"_s, u"vwrong"_s}));
    QCOMPARE(world.answers.recorded.at(0).answer, question.choices.at(wrong).spoken());
    QVERIFY(!world.answers.recorded.at(0).right);
    bool shown = false;
    world.clock.onHold = [&](int) { shown = ClockForm->choiceButton(question.answerIndex())->marked(); };
    world.clock.seconds += 3;
    click(ClockForm->choiceButton(wrong));
    QVERIFY(shown);
    QCOMPARE(visibleFlags(ClockForm), 0);
}

void ClockTest::settingTheHandsByDraggingTheLongHand()
{
    TestWorld world;
    world.start();
    QVERIFY(openActivity(ClockForm));
    climbToSetting(world);
    QCOMPARE(ClockForm->level(), 3);
    const ClockTime target = ClockForm->question().time;
    QVERIFY(ClockForm->question().setHands);
    QCOMPARE(ClockForm->requestLabel->text(), u"拨到"_s + target.spoken());
    QCOMPARE(world.cues.played.last(), target.setClip());
    QCOMPARE(ClockForm->clockFace->time(), 0); // the hands start at twelve
    QVERIFY(ClockForm->doneButton->isVisible());
    QVERIFY(!ClockForm->choiceButton(0)->isVisible());

    // One hour short, then "好了": wrong, and the hands stay where the child put them.
    const qsizetype rows = world.answers.recorded.size();
    turnLongHand(360.0 * (target.hour - 1));
    QCOMPARE(ClockForm->clockFace->time(), (target.hour - 1) * 60);
    click(ClockForm->doneButton);
    QCOMPARE(world.answers.recorded.size(), rows + 1);
    QVERIFY(!world.answers.recorded.last().right);
    QCOMPARE(world.answers.recorded.last().answer,
             ClockTime::fromSinceTwelve((target.hour - 1) * 60).spoken());
    QCOMPARE(ClockForm->clockFace->time(), (target.hour - 1) * 60);

    // One more turn forward and a little back and forth: the short hand follows.
    turnLongHand(400);
    turnLongHand(-40);
    QCOMPARE(ClockForm->clockFace->time(), target.sinceTwelve());
    world.clock.seconds += 2;
    click(ClockForm->doneButton);
    const AnsweredQuestion &row = world.answers.recorded.last();
    QVERIFY(row.right);
    QCOMPARE(row.question, u"拨到 "_s + target.written());
    QCOMPARE(row.answer, target.spoken());
    QCOMPARE(world.cues.played.at(world.cues.played.size() - 2), u"vright"_s);
}

void ClockTest::aPressAwayFromTheLongHandTurnsNothing()
{
    TestWorld world;
    world.start();
    QVERIFY(openActivity(ClockForm));
    climbToSetting(world);
    ClockFace *face = ClockForm->clockFace;
    // The long hand points at twelve; a press at six does not take it.
    QTest::mousePress(face, Qt::LeftButton, {}, face->pointAt(180, 0.6).toPoint());
    QTest::mouseMove(face, face->pointAt(90, 0.6).toPoint());
    QTest::mouseRelease(face, Qt::LeftButton, {}, face->pointAt(90, 0.6).toPoint());
    QCOMPARE(face->time(), 0);
}

QTEST_MAIN(ClockTest)
#include "test_clock.moc"
