// The activities' rules without a window: the level ladder, the every-third-wrong tally and
// what each activity asks.
#include "activities/balancerules.h"
#include "activities/clockrules.h"
#include "activities/comparingrules.h"
#include "activities/countedthings.h"
#include "activities/halfrules.h"
#include "activities/levels.h"
#include "activities/memoryrules.h"
#include "activities/shapesrules.h"
#include "services/random.h"

#include <QSet>
#include <numeric>
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
    void clockQuestionsReadThenSetWholeThenHalfHours_data();
    void clockQuestionsReadThenSetWholeThenHalfHours();
    void clockTimesAreSaidAndWritten_data();
    void clockTimesAreSaidAndWritten();
    void draggingTheLongHandCarriesTheShortHand_data();
    void draggingTheLongHandCarriesTheShortHand();
    void memoryBoardsPairEachNumeralWithItsPictures_data();
    void memoryBoardsPairEachNumeralWithItsPictures();
    void cardsPairOnlyNumeralWithAsManyPictures_data();
    void cardsPairOnlyNumeralWithAsManyPictures();
    void halfQuestionsShareFruitThenCutShapes_data();
    void halfQuestionsShareFruitThenCutShapes();
    void cutLinesAreNamedWhereTheyStand_data();
    void cutLinesAreNamedWhereTheyStand();
    void balanceQuestionsCanBeBalancedFromTheTray_data();
    void balanceQuestionsCanBeBalancedFromTheTray();
    void balanceLeansAndWritesItsEquation_data();
    void balanceLeansAndWritesItsEquation();
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

void ActivityRulesTest::clockQuestionsReadThenSetWholeThenHalfHours_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("setHands");
    QTest::addColumn<bool>("halfHours");
    QTest::newRow("read whole hours") << 1 << false << false;
    QTest::newRow("read half hours") << 2 << false << true;
    QTest::newRow("set whole hours") << 3 << true << false;
    QTest::newRow("set half hours") << 4 << true << true;
}

void ActivityRulesTest::clockQuestionsReadThenSetWholeThenHalfHours()
{
    QFETCH(int, level);
    QFETCH(bool, setHands);
    QFETCH(bool, halfHours);
    RandomGenerator random;
    QSet<int> times;
    QSet<int> places;
    for (int s = 0; s < 400; ++s) {
        random.seed(1'700'000'000 + s);
        const ClockQuestion question = drawClockQuestion(random, level);
        QCOMPARE(question.setHands, setHands);
        QVERIFY(question.time.hour >= 1 && question.time.hour <= 12);
        QVERIFY(question.time.minute == 0 || (halfHours && question.time.minute == 30));
        times.insert(question.time.sinceTwelve());
        if (setHands) {
            QVERIFY(question.choices.isEmpty());
            QVERIFY2(question.time.sinceTwelve() != 0, "the hands start at twelve");
            continue;
        }
        QCOMPARE(question.choices.size(), 3);
        QCOMPARE(question.choices.count(question.time), 1);
        QCOMPARE(QSet<int>({question.choices[0].sinceTwelve(), question.choices[1].sinceTwelve(),
                            question.choices[2].sinceTwelve()}).size(), 3);
        if (halfHours) // the other half of the same hour is among the choices
            QVERIFY(question.choices.contains(ClockTime{question.time.hour, 30 - question.time.minute}));
        places.insert(question.answerIndex());
    }
    QCOMPARE(times.size(), (halfHours ? 24 : 12) - (setHands ? 1 : 0));
    if (!setHands)
        QCOMPARE(places.size(), 3);
}

void ActivityRulesTest::clockTimesAreSaidAndWritten_data()
{
    QTest::addColumn<int>("sinceTwelve");
    QTest::addColumn<QString>("spoken");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("clip");
    QTest::newRow("twelve") << 0 << u"12点"_s << u"12:00"_s << u"set_12_00"_s;
    QTest::newRow("three") << 180 << u"3点"_s << u"3:00"_s << u"set_3_00"_s;
    QTest::newRow("half past eleven") << 690 << u"11点半"_s << u"11:30"_s << u"set_11_30"_s;
    QTest::newRow("five past two") << 125 << u"2:05"_s << u"2:05"_s << u"set_2_05"_s;
    QTest::newRow("round the dial") << 720 + 30 << u"12点半"_s << u"12:30"_s << u"set_12_30"_s;
}

void ActivityRulesTest::clockTimesAreSaidAndWritten()
{
    QFETCH(int, sinceTwelve);
    QFETCH(QString, spoken);
    QFETCH(QString, written);
    QFETCH(QString, clip);
    const ClockTime time = ClockTime::fromSinceTwelve(sinceTwelve);
    QCOMPARE(time.spoken(), spoken);
    QCOMPARE(time.written(), written);
    QCOMPARE(time.setClip(), clip);
    QCOMPARE(time.sinceTwelve(), sinceTwelve % 720);
}

void ActivityRulesTest::draggingTheLongHandCarriesTheShortHand_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<double>("angle");
    QTest::addColumn<int>("to");
    QTest::newRow("a quarter on") << 0 << 90.0 << 15;
    QTest::newRow("snaps to five minutes") << 0 << 100.0 << 15;
    QTest::newRow("snaps up") << 0 << 106.0 << 20;
    QTest::newRow("over twelve forward") << 55 << 2.0 << 60;
    QTest::newRow("over twelve back") << 60 << 340.0 << 55;
    QTest::newRow("back from twelve o'clock") << 0 << 330.0 << 715;
    QTest::newRow("forward to twelve o'clock") << 715 << 0.0 << 0;
    QTest::newRow("half past three") << 200 << 180.0 << 210;
    QTest::newRow("negative angle") << 0 << -30.0 << 715;
}

void ActivityRulesTest::draggingTheLongHandCarriesTheShortHand()
{
    QFETCH(int, from);
    QFETCH(double, angle);
    QFETCH(int, to);
    QCOMPARE(minutesAfterDrag(from, angle), to);
}

void ActivityRulesTest::memoryBoardsPairEachNumeralWithItsPictures_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("pairs");
    QTest::newRow("three pairs") << 1 << 3;
    QTest::newRow("four pairs") << 2 << 4;
    QTest::newRow("six pairs") << 3 << 6;
    QTest::newRow("eight pairs") << 4 << 8;
}

void ActivityRulesTest::memoryBoardsPairEachNumeralWithItsPictures()
{
    QFETCH(int, level);
    QFETCH(int, pairs);
    RandomGenerator random;
    QSet<QString> layouts;
    for (int s = 0; s < 100; ++s) {
        random.seed(1'700'000'000 + s);
        const MemoryBoard board = drawMemoryBoard(random, level);
        QCOMPARE(board.pairs(), pairs);
        QCOMPARE(board.cards.size(), 2 * pairs);
        QVERIFY(countedThings().contains(board.picture));
        QString layout;
        // Every card has exactly one partner on the board.
        for (const MemoryCard &card : board.cards) {
            QVERIFY(card.number >= 1 && card.number <= 9);
            QCOMPARE(std::count_if(board.cards.cbegin(), board.cards.cend(),
                                   [&](const MemoryCard &other) { return cardsPair(card, other); }),
                     1);
            QCOMPARE(board.cards.count(card), 1);
            layout += QString::number(card.number) + (card.numeral ? u'n' : u'p');
        }
        layouts.insert(layout);
    }
    QVERIFY2(layouts.size() > 90, "the cards are shuffled anew for each board");
}

void ActivityRulesTest::cardsPairOnlyNumeralWithAsManyPictures_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<bool>("firstNumeral");
    QTest::addColumn<int>("second");
    QTest::addColumn<bool>("secondNumeral");
    QTest::addColumn<bool>("pair");
    QTest::newRow("numeral and as many pictures") << 3 << true << 3 << false << true;
    QTest::newRow("pictures and their numeral") << 7 << false << 7 << true << true;
    QTest::newRow("another number") << 3 << true << 4 << false << false;
    QTest::newRow("two numerals") << 5 << true << 5 << true << false;
    QTest::newRow("two pictures") << 5 << false << 5 << false << false;
}

void ActivityRulesTest::cardsPairOnlyNumeralWithAsManyPictures()
{
    QFETCH(int, first);
    QFETCH(bool, firstNumeral);
    QFETCH(int, second);
    QFETCH(bool, secondNumeral);
    QFETCH(bool, pair);
    QCOMPARE(cardsPair({first, firstNumeral}, {second, secondNumeral}), pair);
}

void ActivityRulesTest::halfQuestionsShareFruitThenCutShapes_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QList<int>>("amounts"); // fruit on the plate; empty when cutting
    QTest::addColumn<int>("shapes");
    QTest::newRow("two to six fruit") << 1 << QList<int>{2, 4, 6} << 0;
    QTest::newRow("up to ten fruit") << 2 << QList<int>{2, 4, 6, 8, 10} << 0;
    QTest::newRow("cut three shapes") << 3 << QList<int>{} << 3;
    QTest::newRow("cut six shapes") << 4 << QList<int>{} << 6;
}

void ActivityRulesTest::halfQuestionsShareFruitThenCutShapes()
{
    QFETCH(int, level);
    QFETCH(QList<int>, amounts);
    QFETCH(int, shapes);
    RandomGenerator random;
    QSet<int> seen;
    QSet<int> rightPlaces;
    for (int s = 0; s < 300; ++s) {
        random.seed(1'700'000'000 + s);
        const HalfQuestion question = drawHalfQuestion(random, level);
        QCOMPARE(question.cutting, amounts.isEmpty());
        if (!question.cutting) {
            QVERIFY(fruits().contains(question.picture));
            seen.insert(question.fruit);
            continue;
        }
        seen.insert(int(question.shape));
        QCOMPARE(question.lines.size(), 3);
        int halving = 0;
        for (const CutLine &line : question.lines) {
            QCOMPARE(question.lines.count(line), 1);
            halving += line.halves() ? 1 : 0;
            QVERIFY(line.halves() || std::abs(line.at - 0.5) >= 0.25); // plainly off the middle
        }
        QCOMPARE(halving, 1);
        rightPlaces.insert(question.rightLine());
    }
    if (amounts.isEmpty()) {
        QCOMPARE(seen.size(), shapes);
        QCOMPARE(rightPlaces.size(), 3);
    } else {
        QCOMPARE(seen, QSet<int>(amounts.cbegin(), amounts.cend()));
    }
    QVERIFY(isHalf(8, 4) && !isHalf(8, 3) && !isHalf(8, 5) && isHalf(2, 1));
}

void ActivityRulesTest::cutLinesAreNamedWhereTheyStand_data()
{
    QTest::addColumn<int>("orientation");
    QTest::addColumn<double>("at");
    QTest::addColumn<QString>("name");
    QTest::newRow("middle upright") << int(Qt::Vertical) << 0.5 << u"中间的竖线"_s;
    QTest::newRow("middle level") << int(Qt::Horizontal) << 0.5 << u"中间的横线"_s;
    QTest::newRow("left") << int(Qt::Vertical) << 0.25 << u"左边的竖线"_s;
    QTest::newRow("right") << int(Qt::Vertical) << 0.75 << u"右边的竖线"_s;
    QTest::newRow("top") << int(Qt::Horizontal) << 0.25 << u"上面的横线"_s;
    QTest::newRow("bottom") << int(Qt::Horizontal) << 0.75 << u"下面的横线"_s;
}

void ActivityRulesTest::cutLinesAreNamedWhereTheyStand()
{
    QFETCH(int, orientation);
    QFETCH(double, at);
    QFETCH(QString, name);
    QCOMPARE((CutLine{Qt::Orientation(orientation), at}.name()), name);
}

void ActivityRulesTest::balanceQuestionsCanBeBalancedFromTheTray_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("terms");
    QTest::addColumn<bool>("fruit");
    QTest::addColumn<int>("lowest");
    QTest::addColumn<int>("highest");
    QTest::addColumn<int>("trayHighest");
    QTest::newRow("fruit against weights up to five") << 1 << 1 << true << 2 << 5 << 5;
    QTest::newRow("two weights up to nine") << 2 << 2 << false << 2 << 9 << 9;
    QTest::newRow("two weights, ten to fifteen") << 3 << 2 << false << 10 << 15 << 9;
    QTest::newRow("three weights") << 4 << 3 << false << 3 << 15 << 9;
}

void ActivityRulesTest::balanceQuestionsCanBeBalancedFromTheTray()
{
    QFETCH(int, level);
    QFETCH(int, terms);
    QFETCH(bool, fruit);
    QFETCH(int, lowest);
    QFETCH(int, highest);
    QFETCH(int, trayHighest);
    RandomGenerator random;
    QSet<int> totals;
    for (int s = 0; s < 400; ++s) {
        random.seed(1'700'000'000 + s);
        const BalanceQuestion question = drawBalanceQuestion(random, level);
        QCOMPARE(question.left.size(), terms);
        QCOMPARE(question.fruitOnLeft, fruit);
        QCOMPARE(fruits().contains(question.picture), fruit);
        QCOMPARE(question.trayHighest, trayHighest);
        for (const int term : question.left)
            QVERIFY(term >= 1 && term <= 9);
        const int total = question.leftTotal();
        QVERIFY(total >= lowest && total <= highest);
        totals.insert(total);
        // The tray always holds a way to balance it.
        const QList<int> weights = balancingWeights(total, trayHighest);
        QCOMPARE(std::accumulate(weights.cbegin(), weights.cend(), 0), total);
        QCOMPARE(QSet<int>(weights.cbegin(), weights.cend()).size(), weights.size());
        for (const int weight : weights)
            QVERIFY(weight >= 1 && weight <= trayHighest);
    }
    QCOMPARE(totals.size(), highest - lowest + 1);
}

void ActivityRulesTest::balanceLeansAndWritesItsEquation_data()
{
    QTest::addColumn<QList<int>>("left");
    QTest::addColumn<QList<int>>("right");
    QTest::addColumn<int>("lean");
    QTest::addColumn<QString>("equation");
    QTest::newRow("level with one weight") << QList<int>{3, 4} << QList<int>{7} << 0 << u"3 + 4 = 7"_s;
    QTest::newRow("level with two") << QList<int>{3, 4} << QList<int>{5, 2} << 0 << u"3 + 4 = 5 + 2"_s;
    QTest::newRow("right too light") << QList<int>{6} << QList<int>{2} << -1 << u"6 = 2"_s;
    QTest::newRow("right too heavy") << QList<int>{2, 2, 1} << QList<int>{9} << 1 << u"2 + 2 + 1 = 9"_s;
    QTest::newRow("empty pan") << QList<int>{4} << QList<int>{} << -1 << u"4 = "_s;
}

void ActivityRulesTest::balanceLeansAndWritesItsEquation()
{
    QFETCH(QList<int>, left);
    QFETCH(QList<int>, right);
    QFETCH(int, lean);
    QFETCH(QString, equation);
    QCOMPARE(abacolo::lean(std::accumulate(left.cbegin(), left.cend(), 0),
                           std::accumulate(right.cbegin(), right.cend(), 0)),
             lean);
    QCOMPARE(abacolo::equation(left, right), equation);
}

QTEST_GUILESS_MAIN(ActivityRulesTest)
#include "test_activityrules.moc"
