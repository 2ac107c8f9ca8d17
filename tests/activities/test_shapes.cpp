// The shapes activity in its window: the request, right and wrong clicks with their cues,
// flags and answer log rows, the answer shown at every third wrong answer, and the levels.
#include "activities/shapes.h"
#include "activities/shapesrules.h"
#include "activities/stagebutton.h"
#include "tests/activities/activitytesting.h"
#include "tests/support/testworld.h"

#include <QLabel>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace abacolo;
using namespace abacolo::test;

namespace {

void click(int card)
{
    QTest::mouseClick(ShapesForm->shapeCard(card), Qt::LeftButton);
}

int wrongCard()
{
    return ShapesForm->question().answerIndex() == 0 ? 1 : 0;
}

} // namespace

class ShapesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void questionShowsItsShapesAndSpeaksTheRequest();
    void rightClickEarnsAFlagAndIsLogged();
    void wrongClicksKeepTheQuestionAndTheThirdShowsTheAnswer();
    void fiveRightAnswersClimbALevel();
};

void ShapesTest::questionShowsItsShapesAndSpeaksTheRequest()
{
    TestWorld world;
    world.start();
    QVERIFY(openActivity(ShapesForm));
    const ShapeQuestion &question = ShapesForm->question();
    QCOMPARE(question.items.size(), 4);
    for (int i = 0; i < TShapesForm::MostShapes; ++i)
        QCOMPARE(ShapesForm->shapeCard(i)->isVisible(), i < 4);
    QCOMPARE(ShapesForm->requestLabel->text(), u"找一找"_s + shapeName(question.asked));
    QCOMPARE(world.cues.played, QStringList{shapeClip(question.asked)});
    QCOMPARE(ShapesForm->starsLabel->text(), u"★☆☆☆☆"_s);
    // The cards stand side by side on the stage without touching.
    for (int i = 1; i < 4; ++i)
        QVERIFY(ShapesForm->shapeCard(i - 1)->geometry().right() < ShapesForm->shapeCard(i)->x());
}

void ShapesTest::rightClickEarnsAFlagAndIsLogged()
{
    TestWorld world;
    world.start();
    QVERIFY(openActivity(ShapesForm));
    const QString request = ShapesForm->requestLabel->text();
    const ShapeKind asked = ShapesForm->question().asked;
    const int answer = ShapesForm->question().answerIndex();
    world.cues.played.clear();
    world.clock.elapsed += 4200; // the child thinks for 4.2 s
    bool markedDuringPause = false;
    world.clock.onHold = [&](int) { markedDuringPause = ShapesForm->shapeCard(answer)->marked(); };
    world.clock.seconds += 2;

    click(answer);

    QVERIFY(markedDuringPause);
    QCOMPARE(world.clock.holds, QList<int>{TShapesForm::PauseAfterRight});
    QCOMPARE(visibleFlags(ShapesForm), 1);
    QCOMPARE(world.cues.played.first(), u"vright"_s);
    // The next question is asked at once after the pause.
    QCOMPARE(world.cues.played.size(), 2);
    QCOMPARE(world.cues.played.last(), shapeClip(ShapesForm->question().asked));
    QCOMPARE(world.answers.recorded.size(), 1);
    const AnsweredQuestion &row = world.answers.recorded.first();
    QCOMPARE(row.activity, u"shapes"_s);
    QCOMPARE(row.question, request);
    QCOMPARE(row.answer, shapeName(asked));
    QVERIFY(row.right);
    QCOMPARE(row.msecsTaken, 4200);
}

void ShapesTest::wrongClicksKeepTheQuestionAndTheThirdShowsTheAnswer()
{
    TestWorld world;
    world.start();
    QVERIFY(openActivity(ShapesForm));
    const ShapeQuestion question = ShapesForm->question();
    world.cues.played.clear();

    click(wrongCard());
    click(wrongCard());
    QCOMPARE(world.cues.played, (QStringList{u"vwrong"_s, u"vwrong"_s}));
    QVERIFY(world.clock.holds.isEmpty());
    QCOMPARE(visibleFlags(ShapesForm), 0);
    QCOMPARE(world.answers.recorded.size(), 2);
    QVERIFY(!world.answers.recorded.at(1).right);
    QCOMPARE(world.answers.recorded.at(1).answer,
             shapeName(question.items.at(wrongCard()).kind));

    // The third shows the answer during the pause, then a new question comes.
    bool answerShown = false;
    world.clock.onHold = [&](int) {
        answerShown = ShapesForm->shapeCard(question.answerIndex())->marked();
    };
    world.clock.seconds += 3;
    click(wrongCard());
    QVERIFY(answerShown);
    QCOMPARE(world.clock.holds, QList<int>{TShapesForm::PauseAfterAnswerShown});
    QCOMPARE(world.cues.played.at(2), u"vwrong"_s);
    QCOMPARE(world.cues.played.size(), 4); // and the new request
    QCOMPARE(visibleFlags(ShapesForm), 0);
    for (int i = 0; i < 4; ++i)
        QVERIFY(!ShapesForm->shapeCard(i)->marked());
}

void ShapesTest::fiveRightAnswersClimbALevel()
{
    TestWorld world;
    world.start();
    QVERIFY(openActivity(ShapesForm));
    for (int n = 1; n <= 5; ++n) {
        QCOMPARE(ShapesForm->level(), 1);
        world.clock.seconds += 2;
        click(ShapesForm->question().answerIndex());
    }
    QCOMPARE(ShapesForm->level(), 2);
    QCOMPARE(ShapesForm->starsLabel->text(), u"★★☆☆☆"_s);
    QCOMPARE(ShapesForm->question().items.size(), 5); // the new question is of level 2
    QCOMPARE(visibleFlags(ShapesForm), 5);
    QVERIFY(ShapesForm->shapeCard(4)->isVisible());
}

QTEST_MAIN(ShapesTest)
#include "test_shapes.moc"
