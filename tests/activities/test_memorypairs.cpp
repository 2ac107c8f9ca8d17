// The memory game in its window: turning cards with real clicks, matches and mismatches with
// their cues, flags and answer log rows, a pair shown at every third wrong turn, and boards
// growing with the level.
#include "activities/memorypairs.h"
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

void turn(int i)
{
    QTest::mouseClick(MemoryForm->card(i), Qt::LeftButton);
}

// The card that pairs with card i.
int partner(int i)
{
    const QList<MemoryCard> &cards = MemoryForm->board().cards;
    for (int j = 0; j < cards.size(); ++j) {
        if (cardsPair(cards.at(i), cards.at(j)))
            return j;
    }
    return -1;
}

// Two face-down cards that do not pair.
QPair<int, int> mismatch()
{
    const int count = int(MemoryForm->board().cards.size());
    for (int i = 0; i < count; ++i) {
        for (int j = i + 1; j < count; ++j) {
            if (!MemoryForm->matched(i) && !MemoryForm->matched(j)
                && !cardsPair(MemoryForm->board().cards.at(i), MemoryForm->board().cards.at(j)))
                return {i, j};
        }
    }
    return {-1, -1};
}

// Clears the board without a wrong turn.
void clearBoard(TestWorld &world)
{
    world.clock.seconds += 2;
    // The last match brings the next board: one match per pair, each on the first card left.
    for (int pair = MemoryForm->board().pairs(); pair > 0; --pair) {
        int i = 0;
        while (MemoryForm->matched(i))
            ++i;
        turn(i);
        turn(partner(i));
    }
}

} // namespace

class MemoryPairsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void boardStartsFaceDown();
    void aMatchStaysUpEarnsAFlagAndIsLogged();
    void aMismatchTurnsBackAfterAMoment();
    void everyThirdWrongTurnShowsAPair();
    void aClearedBoardBringsTheNextAndFiveGrowTheBoard();
    void theLargestBoardFitsTheStage();
};

void MemoryPairsTest::boardStartsFaceDown()
{
    TestWorld world;
    world.start();
    QVERIFY(openActivity(MemoryForm));
    QCOMPARE(MemoryForm->board().cards.size(), 6);
    QCOMPARE(MemoryForm->requestLabel->text(), u"翻牌，找一样多"_s);
    QCOMPARE(world.cues.played, QStringList{u"find_pairs"_s});
    for (int i = 0; i < TMemoryForm::MostCards; ++i) {
        QCOMPARE(MemoryForm->card(i)->isVisible(), i < 6);
        if (i < 6) {
            QVERIFY(!MemoryForm->faceUp(i));
            QCOMPARE(MemoryForm->card(i)->text(), u"?"_s);
        }
    }
    // One card up: nothing is judged yet; a second click on it changes nothing.
    turn(0);
    turn(0);
    QVERIFY(MemoryForm->faceUp(0));
    QVERIFY(world.answers.recorded.isEmpty());
    QCOMPARE(world.cues.played.size(), 1);
}

void MemoryPairsTest::aMatchStaysUpEarnsAFlagAndIsLogged()
{
    TestWorld world;
    world.start();
    QVERIFY(openActivity(MemoryForm));
    const int numeral = MemoryForm->board().cards.at(0).numeral ? 0 : partner(0);
    const int number = MemoryForm->board().cards.at(numeral).number;
    world.cues.played.clear();
    world.clock.elapsed += 5000;
    turn(numeral);
    QCOMPARE(MemoryForm->card(numeral)->text(), QString::number(number));
    turn(partner(numeral));

    QCOMPARE(world.cues.played, QStringList{u"vright"_s});
    QVERIFY(world.clock.holds.isEmpty()); // the board goes on at once
    QVERIFY(MemoryForm->matched(numeral) && MemoryForm->matched(partner(numeral)));
    QVERIFY(MemoryForm->faceUp(numeral) && MemoryForm->faceUp(partner(numeral)));
    QCOMPARE(visibleFlags(MemoryForm), 1);
    const AnsweredQuestion &row = world.answers.recorded.first();
    QCOMPARE(row.activity, u"memory"_s);
    QCOMPARE(row.question, u"翻牌配对 3对"_s);
    QCOMPARE(row.answer, u"数字%1 和 %1个图"_s.arg(number));
    QVERIFY(row.right);
    QCOMPARE(row.msecsTaken, 5000);
    // A kept card takes no more clicks.
    turn(numeral);
    QCOMPARE(world.answers.recorded.size(), 1);
}

void MemoryPairsTest::aMismatchTurnsBackAfterAMoment()
{
    TestWorld world;
    world.start();
    QVERIFY(openActivity(MemoryForm));
    const auto [a, b] = mismatch();
    world.cues.played.clear();
    bool bothUpDuringPause = false;
    world.clock.onHold = [&](int) { bothUpDuringPause = MemoryForm->faceUp(a) && MemoryForm->faceUp(b); };
    turn(a);
    turn(b);
    QVERIFY(bothUpDuringPause);
    QCOMPARE(world.clock.holds, QList<int>{TMemoryForm::PauseOnMismatch});
    QVERIFY(!MemoryForm->faceUp(a) && !MemoryForm->faceUp(b));
    QCOMPARE(world.cues.played, QStringList{u"vwrong"_s});
    QCOMPARE(visibleFlags(MemoryForm), 0);
    QVERIFY(!world.answers.recorded.first().right);
}

void MemoryPairsTest::everyThirdWrongTurnShowsAPair()
{
    TestWorld world;
    world.start();
    QVERIFY(openActivity(MemoryForm));
    for (int n = 0; n < 3; ++n) {
        const auto [a, b] = mismatch();
        turn(a);
        turn(b);
    }
    int shown = 0;
    for (int i = 0; i < 6; ++i) {
        if (MemoryForm->matched(i)) {
            ++shown;
            QVERIFY(MemoryForm->faceUp(i));
            QVERIFY(MemoryForm->card(i)->marked());
        }
    }
    QCOMPARE(shown, 2);
    QCOMPARE(visibleFlags(MemoryForm), 0); // a shown pair earns no flag
}

void MemoryPairsTest::aClearedBoardBringsTheNextAndFiveGrowTheBoard()
{
    TestWorld world;
    world.start();
    QVERIFY(openActivity(MemoryForm));
    clearBoard(world);
    QCOMPARE(world.clock.holds.last(), TMemoryForm::PauseAfterRight);
    QCOMPARE(world.cues.played.last(), u"find_pairs"_s);
    for (int i = 0; i < 6; ++i)
        QVERIFY(!MemoryForm->faceUp(i));
    QCOMPARE(visibleFlags(MemoryForm), 3);
    for (int n = 0; n < 4; ++n)
        clearBoard(world);
    QCOMPARE(MemoryForm->level(), 2);
    QCOMPARE(MemoryForm->board().cards.size(), 8);
    QVERIFY(MemoryForm->card(7)->isVisible());
    QVERIFY(!MemoryForm->card(8)->isVisible());
}

void MemoryPairsTest::theLargestBoardFitsTheStage()
{
    TestWorld world;
    world.start();
    QVERIFY(openActivity(MemoryForm));
    for (int n = 0; n < 15; ++n)
        clearBoard(world);
    QCOMPARE(MemoryForm->level(), 4);
    QCOMPARE(MemoryForm->board().cards.size(), 16);
    const QRect stage = MemoryForm->stage->rect();
    for (int i = 0; i < 16; ++i) {
        QVERIFY(stage.contains(MemoryForm->card(i)->geometry()));
        for (int j = i + 1; j < 16; ++j)
            QVERIFY(!MemoryForm->card(i)->geometry().intersects(MemoryForm->card(j)->geometry()));
    }
}

QTEST_MAIN(MemoryPairsTest)
#include "test_memorypairs.moc"
