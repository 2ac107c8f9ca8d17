// The balance activity in its window: weights dragged from the tray onto the right pan with
// real mouse events, the beam leaning, the equation once level, a too heavy pan as a wrong
// answer, with cues, flags and answer log rows.
#include "activities/balance.h"
#include "activities/balanceview.h"
#include "activities/draggable.h"
#include "tests/activities/activitytesting.h"
#include "tests/support/testworld.h"
#include "toolkit/panel.h"

#include <QLabel>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace abacolo;
using namespace abacolo::test;

namespace {

QPoint rightPan()
{
    BalanceView *view = BalanceForm->balanceView;
    return view->mapToParent(view->rightPanArea().center());
}

void putOnPan(int value)
{
    drag(BalanceForm->weight(value), rightPan());
}

// A question whose left pan is lighter than the tray's heaviest weight.
void drawLightQuestion(TestWorld &world)
{
    do {
        world.clock.seconds += 1;
        BalanceForm->newQuestion();
    } while (BalanceForm->question().leftTotal() >= BalanceForm->question().trayHighest);
}

} // namespace

class BalanceTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void leftPanIsLoadedAndTheTrayFull();
    void weightsThatBalanceAreRightAndWriteTheEquation();
    void aLighterPanWaitsAndAWeightCanComeBack();
    void aHeavierPanTipsIsWrongAndGivesTheWeightBack();
    void everyThirdTooHeavyShowsABalance();
};

void BalanceTest::leftPanIsLoadedAndTheTrayFull()
{
    TestWorld world;
    world.start();
    QVERIFY(openActivity(BalanceForm));
    const BalanceQuestion &question = BalanceForm->question();
    QVERIFY(question.fruitOnLeft);
    QCOMPARE(BalanceForm->requestLabel->text(), u"让天平平衡"_s);
    QCOMPARE(world.cues.played, QStringList{u"make_balance"_s});
    QCOMPARE(BalanceForm->balanceView->leanSide(), -1); // the loaded left pan is down
    QVERIFY(BalanceForm->equationLabel->text().isEmpty());
    // Weights 1 … 5 on the tray, side by side under the balance.
    for (int value = 1; value <= TBalanceForm::Weights; ++value)
        QCOMPARE(BalanceForm->weight(value)->isVisible(), value <= 5);
    for (int value = 2; value <= 5; ++value) {
        QVERIFY(BalanceForm->weight(value - 1)->geometry().right() < BalanceForm->weight(value)->x());
        QVERIFY(BalanceForm->weight(value)->y() >= BalanceForm->equationLabel->geometry().bottom());
        QVERIFY(BalanceForm->stage->rect().contains(BalanceForm->weight(value)->geometry()));
    }
}

void BalanceTest::weightsThatBalanceAreRightAndWriteTheEquation()
{
    TestWorld world;
    world.start();
    QVERIFY(openActivity(BalanceForm));
    const BalanceQuestion question = BalanceForm->question();
    const int total = question.leftTotal();
    // Two weights when the fruit allow it, so that the pan holds a sum.
    const QList<int> weights = total > 2 ? QList<int>{total - 1, 1} : QList<int>{total};
    world.cues.played.clear();
    world.clock.elapsed += 6000;
    QString equationDuringPause;
    int leanDuringPause = -2;
    world.clock.onHold = [&](int) {
        equationDuringPause = BalanceForm->equationLabel->text();
        leanDuringPause = BalanceForm->balanceView->leanSide();
    };
    world.clock.seconds += 2;
    for (const int weight : weights)
        putOnPan(weight);

    const QString expected = u"%1 = "_s.arg(total) + sumText(weights);
    QCOMPARE(equationDuringPause, expected);
    QCOMPARE(leanDuringPause, 0);
    QCOMPARE(world.cues.played.first(), u"vright"_s);
    QCOMPARE(visibleFlags(BalanceForm), 1);
    QCOMPARE(world.answers.recorded.size(), 1);
    const AnsweredQuestion &row = world.answers.recorded.first();
    QCOMPARE(row.activity, u"balance"_s);
    QCOMPARE(row.question, u"等量：%1个"_s.arg(total));
    QCOMPARE(row.answer, sumText(weights));
    QVERIFY(row.right);
    QCOMPARE(row.msecsTaken, 6000);
    QVERIFY(BalanceForm->rightPan().isEmpty()); // the next question starts with an empty pan
}

void BalanceTest::aLighterPanWaitsAndAWeightCanComeBack()
{
    TestWorld world;
    world.start();
    QVERIFY(openActivity(BalanceForm));
    drawLightQuestion(world);
    putOnPan(1);
    QCOMPARE(BalanceForm->rightPan(), QList<int>{1});
    QVERIFY(BalanceForm->balanceView->rightPanArea().contains(
        BalanceForm->balanceView->mapFromParent(BalanceForm->weight(1)->geometry().center())));
    QCOMPARE(BalanceForm->balanceView->leanSide(), -1);
    QVERIFY(world.answers.recorded.isEmpty());
    // Taken off the pan, it goes back to the tray and nothing is judged.
    drag(BalanceForm->weight(1), QPoint(500, 500));
    QVERIFY(BalanceForm->rightPan().isEmpty());
    QVERIFY(world.answers.recorded.isEmpty());
    QCOMPARE(BalanceForm->weight(1)->y(), BalanceForm->weight(2)->y());
}

void BalanceTest::aHeavierPanTipsIsWrongAndGivesTheWeightBack()
{
    TestWorld world;
    world.start();
    QVERIFY(openActivity(BalanceForm));
    drawLightQuestion(world);
    const int heaviest = BalanceForm->question().trayHighest;
    world.cues.played.clear();
    int leanDuringPause = -2;
    world.clock.onHold = [&](int) { leanDuringPause = BalanceForm->balanceView->leanSide(); };
    putOnPan(heaviest);
    QCOMPARE(leanDuringPause, 1);
    QCOMPARE(world.clock.holds, QList<int>{TBalanceForm::PauseWhenTooHeavy});
    QCOMPARE(world.cues.played, QStringList{u"vwrong"_s});
    QVERIFY(BalanceForm->rightPan().isEmpty());
    QCOMPARE(BalanceForm->balanceView->leanSide(), -1);
    QCOMPARE(world.answers.recorded.size(), 1);
    QCOMPARE(world.answers.recorded.first().answer, QString::number(heaviest));
    QVERIFY(!world.answers.recorded.first().right);
    QCOMPARE(visibleFlags(BalanceForm), 0);
}

void BalanceTest::everyThirdTooHeavyShowsABalance()
{
    TestWorld world;
    world.start();
    QVERIFY(openActivity(BalanceForm));
    drawLightQuestion(world);
    const int total = BalanceForm->question().leftTotal();
    const int heaviest = BalanceForm->question().trayHighest;
    putOnPan(heaviest);
    putOnPan(heaviest);
    QList<int> shownPan;
    QString shownEquation;
    world.clock.onHold = [&](int ms) {
        if (ms == TBalanceForm::PauseAfterAnswerShown) {
            shownPan = BalanceForm->rightPan();
            shownEquation = BalanceForm->equationLabel->text();
        }
    };
    putOnPan(heaviest);
    QCOMPARE(shownPan, QList<int>{total});
    QCOMPARE(shownEquation, u"%1 = %1"_s.arg(total));
    QCOMPARE(world.clock.holds.last(), TBalanceForm::PauseAfterAnswerShown);
    QVERIFY(BalanceForm->rightPan().isEmpty());
}

QTEST_MAIN(BalanceTest)
#include "test_balance.moc"
