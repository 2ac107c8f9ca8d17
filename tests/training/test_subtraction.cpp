// The subtraction training: the two groups, judging differences from -10 to 9, the next
// subtraction at once, wrong answers run through the addition training, and the number line.
#include "services/random.h"
#include "services/sysdatamoudle.h"
#include "shell/mainform.h"
#include "tables/tables.h"
#include "tests/support/testworld.h"
#include "toolkit/imagebutton.h"
#include "toolkit/skinframe.h"
#include "toolkit/speedbutton.h"
#include "toolkit/timer.h"
#include "toolkit/trackbar.h"
#include "training/addtrain.h"
#include "training/jianftrain.h"

#include <QTest>
#include <functional>

using namespace Qt::StringLiterals;
using namespace abacolo;
using namespace abacolo::test;

namespace {

int num()
{
    return DataModule1->Table1->fieldByName(u"num"_s).asInteger();
}

int shownAnswerPictures()
{
    return shown(Form14->answerPlaces()).size();
}

// Brings a training window up as the main window does, which draws its question.
bool open(Form *window)
{
    mymainForm->activateWindow();
    if (!QTest::qWaitForWindowActive(mymainForm))
        return false;
    window->Show();
    return QTest::qWaitForWindowActive(window);
}

// Draws first - second as the window's internal buttons do, each in a second of its own.
void drawSubtraction(TestWorld &world, int first, int second)
{
    world.clock.seconds = firstSecond([&](qint64 s) { return drawn(s, 10) == first; },
                                      world.clock.seconds + 1);
    Form25->Button1Click();
    world.clock.seconds = firstSecond([&](qint64 s) { return drawn(s, 11 - first) == second; },
                                      world.clock.seconds + 1);
    Form25->Button2Click();
}

void answer(int value)
{
    QTest::mouseClick(Form25->answerButton(value), Qt::LeftButton);
}

} // namespace

class SubtractionTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void opensWithTwoMinusSeven();
    void judgesTheDifference_data();
    void judgesTheDifference();
    void differencesRangeFromMinusTenToNine();
    void rightAnswerInTheSameSecondRepeatsTheSubtraction();
    void wrongAnswersShareTheAdditionsCount_data();
    void wrongAnswersShareTheAdditionsCount();
    void failingCounterSilencesTheWrongAnswer();
    void numberLineReadsMinusTenToTen();
};

void SubtractionTest::opensWithTwoMinusSeven()
{
    TestWorld world;
    // Both groups drawn within one second.
    world.clock.seconds = firstSecond([](qint64 s) {
        return drawn(s, 10) == 2 && drawn(s, 9) == 7;
    });
    world.start();
    QCOMPARE(QColor(Form25->suiForm1->color()), QColor(232, 232, 232));
    QVERIFY(!(Form25->windowFlags() & Qt::WindowStaysOnTopHint));
    QVERIFY(open(Form25));

    QCOMPARE(Form25->size(), QSize(1018, 768));
    QCOMPARE(Form25->geometry().center().x(), mymainForm->geometry().center().x());
    QCOMPARE(QColor(Form25->suiForm1->color()), QColor(Qt::black));
    QCOMPARE(shown(Form25->firstPlaces()), pictureNames({10, 9}));
    QCOMPARE(shown(Form25->secondPlaces()), pictureNames({20, 19, 18, 17, 16, 15, 14}));
    QCOMPARE(Form25->SpeedButton11->text(), u"?"_s);
    QCOMPARE(num(), 0);

    answer(5);
    QCOMPARE(world.cues.played, QStringList{u"vwrong"_s});
    answer(-5);
    QCOMPARE(world.cues.played, (QStringList{u"vwrong"_s, u"vright"_s}));
}

void SubtractionTest::judgesTheDifference_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("wrong");

    QTest::newRow("2 - 7") << 2 << 7 << -5 << 5;
    QTest::newRow("0 - 10, the lowest") << 0 << 10 << -10 << 10;
    QTest::newRow("9 - 0, the highest") << 9 << 0 << 9 << -9;
    QTest::newRow("4 - 4") << 4 << 4 << 0 << 8;
}

void SubtractionTest::judgesTheDifference()
{
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, right);
    QFETCH(int, wrong);

    TestWorld world;
    world.start();
    QVERIFY(open(Form25));
    drawSubtraction(world, first, second);
    QCOMPARE(shown(Form25->firstPlaces()).size(), first);
    QCOMPARE(shown(Form25->secondPlaces()).size(), second);

    // A wrong answer leaves the subtraction for another try and counts in "num".
    answer(wrong);
    answer(wrong);
    QCOMPARE(world.cues.played, (QStringList{u"vwrong"_s, u"vwrong"_s}));
    QCOMPARE(num(), 2);
    QCOMPARE(Form25->firstCount, first);
    QCOMPARE(Form25->secondCount, second);

    // A right answer counts nothing and draws the next subtraction at once.
    const qint64 next = firstSecond([&](qint64 s) { return drawn(s, 10) != first; },
                                    world.clock.seconds + 1);
    world.clock.seconds = next;
    answer(right);
    QCOMPARE(world.cues.played.last(), u"vright"_s);
    QCOMPARE(num(), 2);
    QVERIFY(world.clock.holds.isEmpty());
    QCOMPARE(Form25->firstCount, drawn(next, 10));
    QCOMPARE(Form25->secondCount, drawn(next, 11 - Form25->firstCount));
    QCOMPARE(shown(Form25->firstPlaces()).size(), Form25->firstCount);
    QCOMPARE(shown(Form25->secondPlaces()).size(), Form25->secondCount);
}

void SubtractionTest::differencesRangeFromMinusTenToNine()
{
    TestWorld world;
    world.start();
    QVERIFY(open(Form25));
    // The two groups are drawn in one second or, now and then, either side of a second's end:
    // every pair of seconds.
    QSet<int> differences;
    for (qint64 s1 = Start; s1 < Start + 30; ++s1) {
        for (qint64 s2 = s1; s2 < s1 + 30; ++s2) {
            world.clock.seconds = s1;
            Form25->Button1Click();
            world.clock.seconds = s2;
            Form25->Button2Click();
            const int difference = Form25->firstCount - Form25->secondCount;
            QVERIFY2(difference >= -10 && difference <= 9,
                     qPrintable(QString::number(difference)));
            QVERIFY(Form25->firstCount + Form25->secondCount <= 10);
            differences.insert(difference);
        }
    }
    QCOMPARE(differences.size(), 20);
}

void SubtractionTest::rightAnswerInTheSameSecondRepeatsTheSubtraction()
{
    TestWorld world;
    world.clock.seconds = firstSecond([](qint64 s) {
        return drawn(s, 10) == 5 && drawn(s, 6) == 3;
    });
    world.start();
    QVERIFY(open(Form25));
    QCOMPARE(Form25->firstCount - Form25->secondCount, 2);
    const int set = Form25->pictureSet;

    answer(2);
    QCOMPARE(world.cues.played, QStringList{u"vright"_s});
    QCOMPARE(Form25->firstCount, 5);
    QCOMPARE(Form25->secondCount, 3);
    QCOMPARE(Form25->pictureSet, set);
    QCOMPARE(shown(Form25->firstPlaces()).size(), 5);
    QCOMPARE(shown(Form25->secondPlaces()).size(), 3);
}

void SubtractionTest::wrongAnswersShareTheAdditionsCount_data()
{
    QTest::addColumn<bool>("additionOnScreen");
    QTest::newRow("third wrong answer here, addition hidden") << false;
    QTest::newRow("third wrong answer in the addition window") << true;
}

void SubtractionTest::wrongAnswersShareTheAdditionsCount()
{
    QFETCH(bool, additionOnScreen);

    TestWorld world;
    world.clock.seconds = firstSecond([](qint64 s) {
        return drawn(s, 10) == 3 && drawn(s, 8) == 1; // 3 + 1 and 3 - 1
    });
    world.start();
    // The addition window has drawn its 3 + 1 and is hidden again.
    QVERIFY(open(Form14));
    QVERIFY(Form14->close());
    QVERIFY(open(Form25));
    QCOMPARE(Form25->firstCount - Form25->secondCount, 2);

    answer(7);
    answer(-2);
    QCOMPARE(Form14->wrongCount, 2);
    QCOMPARE(num(), 2);
    QVERIFY(world.clock.holds.isEmpty());

    int answerPicturesAtLastHold = -1;
    world.clock.onHold = [&](int) { answerPicturesAtLastHold = shownAnswerPictures(); };
    if (additionOnScreen) {
        QVERIFY(open(Form14));
        // Its activation drew a fresh addition in this same second.
        QTest::mouseClick(Form14->answerButton(0), Qt::LeftButton);
    } else {
        answer(0);
    }
    QCOMPARE(world.cues.played, QStringList(3, u"vwrong"_s));
    QCOMPARE(num(), 3);
    QCOMPARE(Form14->wrongCount, 0);
    // The addition's answer column, 3 + 1, numbered with its half-second waits.
    QCOMPARE(world.clock.holds, QList<int>(4, 500));
    QCOMPARE(answerPicturesAtLastHold, 4);
    QVERIFY(Form14->Timer3->enabled());
    QCOMPARE(Form14->isVisible(), additionOnScreen);
    // The subtraction waits unchanged.
    QCOMPARE(Form25->firstCount, 3);
    QCOMPARE(Form25->secondCount, 1);

    // A second later the addition window draws its next addition, on screen or not.
    world.clock.seconds = firstSecond([](qint64 s) { return drawn(s, 10) == 8; },
                                      world.clock.seconds + 1);
    Form14->Timer3Timer();
    QCOMPARE(Form14->firstCount, 8);
    QCOMPARE(shownAnswerPictures(), 0);
}

void SubtractionTest::failingCounterSilencesTheWrongAnswer()
{
    QStringList tables = TestWorld::allTables();
    tables.removeAll(u"sys.db"_s);
    TestWorld world(tables);
    world.start();
    QVERIFY(open(Form25));
    Form14->wrongCount = 2;
    const int wrong = Form25->firstCount - Form25->secondCount + 1;

    answer(wrong);
    QCOMPARE(world.dialogs.errors().size(), 1);
    QVERIFY(world.cues.played.isEmpty());
    QCOMPARE(Form14->wrongCount, 2);
    QVERIFY(world.clock.holds.isEmpty());
    QVERIFY(!Form14->Timer3->enabled());

    // A right answer needs no counter.
    answer(wrong - 1);
    QCOMPARE(world.cues.played, QStringList{u"vright"_s});
    QCOMPARE(world.dialogs.errors().size(), 1);
}

void SubtractionTest::numberLineReadsMinusTenToTen()
{
    TestWorld world;
    world.start();
    QVERIFY(open(Form25));
    TrackBar *negative = Form25->suiTrackBar1;
    TrackBar *positive = Form25->suiTrackBar2;
    QCOMPARE(negative->position(), 10);
    QCOMPARE(positive->position(), 0);

    // Read from left to right, the ticks make one line from -10 to 10, each tick right above
    // the answer button of its number; the sliders meet at 0.
    QList<qreal> ticks;
    for (int p = 0; p <= 10; ++p)
        ticks.append(negative->x() + negative->tickX(p));
    for (int p = 1; p <= 10; ++p)
        ticks.append(positive->x() + positive->tickX(p));
    QCOMPARE(negative->x() + negative->tickX(10), positive->x() + positive->tickX(0));
    for (int v = -10; v <= 10; ++v) {
        const QRect button = Form25->answerButton(v)->geometry();
        QVERIFY2(std::abs(button.center().x() - ticks.at(v + 10)) <= 4,
                 qPrintable(QString::number(v)));
        if (v > -10)
            QVERIFY(ticks.at(v + 10) > ticks.at(v + 9));
    }

    // Moving a slider changes nothing else.
    const int first = Form25->firstCount;
    const int second = Form25->secondCount;
    QTest::mouseClick(positive, Qt::LeftButton, {},
                      QPoint(int(positive->tickX(3)), positive->height() / 2));
    QCOMPARE(positive->position(), 3);
    QCOMPARE(Form25->firstCount, first);
    QCOMPARE(Form25->secondCount, second);
    QVERIFY(world.cues.played.isEmpty());
}

QTEST_MAIN(SubtractionTest)
#include "test_subtraction.moc"
