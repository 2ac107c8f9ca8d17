// The comparing activity in its window: the group with more on the first level, then the
// signs, with cues, flags, answer log rows and the answer shown at every third wrong answer.
#include "activities/comparing.h"
#include "activities/stagebutton.h"
#include "tests/activities/activitytesting.h"
#include "tests/support/testworld.h"

#include <QLabel>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace abacolo;
using namespace abacolo::test;

namespace {

StageButton *moreGroup()
{
    const ComparingQuestion &q = ComparingForm->question();
    return q.left > q.right ? ComparingForm->leftGroup : ComparingForm->rightGroup;
}

StageButton *fewerGroup()
{
    const ComparingQuestion &q = ComparingForm->question();
    return q.left > q.right ? ComparingForm->rightGroup : ComparingForm->leftGroup;
}

// Five right answers on the first level bring the signs.
void climbToSigns(TestWorld &world)
{
    for (int n = 0; n < 5; ++n) {
        world.clock.seconds += 2;
        click(moreGroup());
    }
}

Relation wrongRelation()
{
    return ComparingForm->question().answer() == Relation::Equal ? Relation::Less : Relation::Equal;
}

} // namespace

class ComparingTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstLevelAsksWhichGroupHasMore();
    void clickingTheGroupWithMoreIsRightAndLogged();
    void theGroupWithFewerIsWrong();
    void laterLevelsAnswerWithSigns();
    void thirdWrongSignShowsTheRightOne();
};

void ComparingTest::firstLevelAsksWhichGroupHasMore()
{
    TestWorld world;
    world.start();
    QVERIFY(openActivity(ComparingForm));
    QCOMPARE(ComparingForm->requestLabel->text(), u"哪边多？"_s);
    QCOMPARE(world.cues.played, QStringList{u"which_more"_s});
    QVERIFY(ComparingForm->question().left != ComparingForm->question().right);
    for (const Relation relation : {Relation::Greater, Relation::Less, Relation::Equal})
        QVERIFY(!ComparingForm->signButton(relation)->isVisible());
    QVERIFY(ComparingForm->leftGroup->isVisible() && ComparingForm->rightGroup->isVisible());
    QVERIFY(ComparingForm->leftGroup->geometry().right() < ComparingForm->rightGroup->x());
}

void ComparingTest::clickingTheGroupWithMoreIsRightAndLogged()
{
    TestWorld world;
    world.start();
    QVERIFY(openActivity(ComparingForm));
    const ComparingQuestion question = ComparingForm->question();
    world.cues.played.clear();
    world.clock.elapsed += 2500;
    world.clock.seconds += 2;

    click(moreGroup());

    QCOMPARE(world.cues.played, (QStringList{u"vright"_s, u"which_more"_s}));
    QCOMPARE(world.clock.holds, QList<int>{TComparingForm::PauseAfterRight});
    QCOMPARE(visibleFlags(ComparingForm), 1);
    QCOMPARE(world.answers.recorded.size(), 1);
    const AnsweredQuestion &row = world.answers.recorded.first();
    QCOMPARE(row.activity, u"comparing"_s);
    QCOMPARE(row.question, u"哪边多：%1 和 %2"_s.arg(question.left).arg(question.right));
    QCOMPARE(row.answer, question.left > question.right ? u"左边"_s : u"右边"_s);
    QVERIFY(row.right);
    QCOMPARE(row.msecsTaken, 2500);
}

void ComparingTest::theGroupWithFewerIsWrong()
{
    TestWorld world;
    world.start();
    QVERIFY(openActivity(ComparingForm));
    world.cues.played.clear();
    click(fewerGroup());
    QCOMPARE(world.cues.played, QStringList{u"vwrong"_s});
    QCOMPARE(visibleFlags(ComparingForm), 0);
    QCOMPARE(world.answers.recorded.size(), 1);
    QVERIFY(!world.answers.recorded.first().right);
    QVERIFY(world.clock.holds.isEmpty());
}

void ComparingTest::laterLevelsAnswerWithSigns()
{
    TestWorld world;
    world.start();
    QVERIFY(openActivity(ComparingForm));
    climbToSigns(world);
    QCOMPARE(ComparingForm->level(), 2);
    QCOMPARE(ComparingForm->requestLabel->text(), u"比一比，选符号"_s);
    QCOMPARE(world.cues.played.last(), u"choose_sign"_s);
    for (const Relation relation : {Relation::Greater, Relation::Less, Relation::Equal})
        QVERIFY(ComparingForm->signButton(relation)->isVisible());

    // The groups are no buttons now: a click on one answers nothing.
    const qsizetype rows = world.answers.recorded.size();
    click(ComparingForm->leftGroup);
    QCOMPARE(world.answers.recorded.size(), rows);

    const ComparingQuestion question = ComparingForm->question();
    world.clock.seconds += 2;
    click(ComparingForm->signButton(question.answer()));
    QCOMPARE(world.answers.recorded.size(), rows + 1);
    const AnsweredQuestion &row = world.answers.recorded.last();
    QCOMPARE(row.question, u"%1 ○ %2"_s.arg(question.left).arg(question.right));
    QCOMPARE(row.answer, relationSign(question.answer()));
    QVERIFY(row.right);
    QCOMPARE(visibleFlags(ComparingForm), 6);
}

void ComparingTest::thirdWrongSignShowsTheRightOne()
{
    TestWorld world;
    world.start();
    QVERIFY(openActivity(ComparingForm));
    climbToSigns(world);
    const Relation answer = ComparingForm->question().answer();
    click(ComparingForm->signButton(wrongRelation()));
    click(ComparingForm->signButton(wrongRelation()));
    QVERIFY(!ComparingForm->signButton(answer)->marked());
    bool shown = false;
    world.clock.onHold = [&](int) { shown = ComparingForm->signButton(answer)->marked(); };
    world.clock.seconds += 3;
    click(ComparingForm->signButton(wrongRelation()));
    QVERIFY(shown);
    QCOMPARE(world.clock.holds.last(), TComparingForm::PauseAfterAnswerShown);
    QVERIFY(!ComparingForm->signButton(ComparingForm->question().answer())->marked());
    // Three wrong answers in a row: back to the first level.
    QCOMPARE(ComparingForm->level(), 1);
}

QTEST_MAIN(ComparingTest)
#include "test_comparing.moc"
