// The activities' rules without a window: the level ladder, the every-third-wrong tally and
// what each activity asks.
#include "activities/comparingrules.h"
#include "activities/countedthings.h"
#include "activities/levels.h"
#include "activities/shapesrules.h"
#include "shell/random.h"

#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace abacolo;

class ActivityRulesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void ladderClimbsAfterFiveRightAndDescendsAfterThreeWrong_data();
    void ladderClimbsAfterFiveRightAndDescendsAfterThreeWrong();
    void everyThirdWrongAnswerShowsTheAnswer();
    void shapeQuestionsAskForExactlyOneShapeOfTheLevel_data();
    void shapeQuestionsAskForExactlyOneShapeOfTheLevel();
    void comparingQuestionsGrowFromGroupsToNumbers_data();
    void comparingQuestionsGrowFromGroupsToNumbers();
    void signsSayHowTwoAmountsCompare_data();
    void signsSayHowTwoAmountsCompare();
};

void ActivityRulesTest::ladderClimbsAfterFiveRightAndDescendsAfterThreeWrong_data()
{
    QTest::addColumn<QString>("answers"); // R right, W wrong
    QTest::addColumn<int>("level");
    QTest::newRow("start") << u""_s << 1;
    QTest::newRow("four right stay") << u"RRRR"_s << 1;
    QTest::newRow("five right climb") << u"RRRRR"_s << 2;
    QTest::newRow("a wrong breaks the run") << u"RRRRWR"_s << 1;
    QTest::newRow("ten right climb twice") << u"RRRRRRRRRR"_s << 3;
    QTest::newRow("never below one") << u"WWWWWW"_s << 1;
    QTest::newRow("three wrong descend") << u"RRRRRWWW"_s << 1;
    QTest::newRow("a right breaks the wrongs") << u"RRRRRWWRW"_s << 2;
    QTest::newRow("a climb starts the runs afresh") << u"RRRRWWRRRRR"_s << 2;
    QTest::newRow("never above the highest") << QString(30, u'R') << 4;
}

void ActivityRulesTest::ladderClimbsAfterFiveRightAndDescendsAfterThreeWrong()
{
    QFETCH(QString, answers);
    QFETCH(int, level);
    LevelLadder ladder(4);
    for (QChar answer : answers) {
        if (answer == u'R')
            ladder.right();
        else
            ladder.wrong();
    }
    QCOMPARE(ladder.level(), level);
}

void ActivityRulesTest::everyThirdWrongAnswerShowsTheAnswer()
{
    WrongAnswerTally tally;
    QList<bool> shown;
    for (int i = 0; i < 7; ++i)
        shown.append(tally.showsAnswer());
    QCOMPARE(shown, (QList<bool>{false, false, true, false, false, true, false}));
}

void ActivityRulesTest::shapeQuestionsAskForExactlyOneShapeOfTheLevel_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("kinds");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("varied");
    QTest::newRow("circle square triangle") << 1 << 3 << 4 << false;
    QTest::newRow("with rectangle and oval") << 2 << 5 << 5 << false;
    QTest::newRow("with star and diamond") << 3 << 7 << 5 << false;
    QTest::newRow("with pentagon and hexagon") << 4 << 9 << 6 << false;
    QTest::newRow("sizes colours turns") << 5 << 9 << 6 << true;
}

void ActivityRulesTest::shapeQuestionsAskForExactlyOneShapeOfTheLevel()
{
    QFETCH(int, level);
    QFETCH(int, kinds);
    QFETCH(int, count);
    QFETCH(bool, varied);
    RandomGenerator random;
    QSet<int> asked;
    QSet<int> answerPlaces;
    bool sizesVary = false;
    for (int s = 0; s < 300; ++s) {
        random.seed(1'700'000'000 + s);
        const ShapeQuestion question = drawShapeQuestion(random, level);
        QCOMPARE(question.items.size(), count);
        int matching = 0;
        QSet<QRgb> colours;
        for (const ShapeItem &item : question.items) {
            QVERIFY(int(item.kind) < kinds);
            matching += item.kind == question.asked ? 1 : 0;
            colours.insert(item.colour.rgb());
            QVERIFY2(std::abs(item.turn) <= 20, "a turned square must not become a diamond");
            QVERIFY(item.scale > 0.5 && item.scale <= 1.0);
            sizesVary = sizesVary || item.scale < 1.0;
        }
        QCOMPARE(matching, 1);
        QCOMPARE(question.items.at(question.answerIndex()).kind, question.asked);
        if (!varied)
            QCOMPARE(colours.size(), 1);
        asked.insert(int(question.asked));
        answerPlaces.insert(question.answerIndex());
    }
    QCOMPARE(asked.size(), kinds);       // every kind of the level is asked for
    QCOMPARE(answerPlaces.size(), count); // and the answer stands in every place
    QCOMPARE(sizesVary, varied);
}

void ActivityRulesTest::comparingQuestionsGrowFromGroupsToNumbers_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("pickTheMore");
    QTest::addColumn<bool>("pictures");
    QTest::addColumn<int>("highest");
    QTest::newRow("which group has more") << 1 << true << true << 5;
    QTest::newRow("signs between groups") << 2 << false << true << 9;
    QTest::newRow("signs between numbers") << 3 << false << false << 9;
    QTest::newRow("numbers up to twenty") << 4 << false << false << 20;
}

void ActivityRulesTest::comparingQuestionsGrowFromGroupsToNumbers()
{
    QFETCH(int, level);
    QFETCH(bool, pickTheMore);
    QFETCH(bool, pictures);
    QFETCH(int, highest);
    RandomGenerator random;
    QSet<Relation> relations;
    QSet<int> amounts;
    for (int s = 0; s < 400; ++s) {
        random.seed(1'700'000'000 + s);
        const ComparingQuestion question = drawComparingQuestion(random, level);
        QCOMPARE(question.pickTheMore, pickTheMore);
        QCOMPARE(question.pictures, pictures);
        QVERIFY(countedThings().contains(question.picture));
        for (const int amount : {question.left, question.right}) {
            QVERIFY(amount >= 1 && amount <= highest);
            amounts.insert(amount);
        }
        relations.insert(question.answer());
    }
    QCOMPARE(amounts.size(), highest);
    // Picking the group with more needs one to have more; signs meet all three.
    const QSet<Relation> unequal{Relation::Greater, Relation::Less};
    QCOMPARE(relations, pickTheMore ? unequal : unequal + QSet<Relation>{Relation::Equal});
}

void ActivityRulesTest::signsSayHowTwoAmountsCompare_data()
{
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("right");
    QTest::addColumn<QString>("sign");
    QTest::newRow("more") << 7 << 3 << u">"_s;
    QTest::newRow("fewer") << 2 << 9 << u"<"_s;
    QTest::newRow("as many") << 4 << 4 << u"="_s;
    QTest::newRow("tens") << 12 << 20 << u"<"_s;
}

void ActivityRulesTest::signsSayHowTwoAmountsCompare()
{
    QFETCH(int, left);
    QFETCH(int, right);
    QFETCH(QString, sign);
    QCOMPARE(relationSign(compare(left, right)), sign);
}

QTEST_GUILESS_MAIN(ActivityRulesTest)
#include "test_activityrules.moc"
