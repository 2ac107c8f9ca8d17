// The addition training: drawing the two groups, judging, the numbered answer column, the
// flags, the pause before the next addition, the run-wide wrong answers and the animation.
#include "services/random.h"
#include "services/sysdatamoudle.h"
#include "shell/mainform.h"
#include "tables/tables.h"
#include "tests/support/testworld.h"
#include "toolkit/imagebutton.h"
#include "toolkit/skinframe.h"
#include "toolkit/speedbutton.h"
#include "toolkit/timer.h"
#include "training/addtrain.h"
#include "training/flagshow.h"

#include <QTest>
#include <QTimer>
#include <functional>

using namespace Qt::StringLiterals;
using namespace abacolo;
using namespace abacolo::test;

namespace {

// A second whose first group has `first` pictures, and one whose second group then has
// `second`.
qint64 secondForFirst(int first, qint64 from = Start)
{
    return firstSecond([&](qint64 s) { return drawn(s, 10) == first; }, from);
}
qint64 secondForSecond(int first, int second, qint64 from = Start)
{
    return firstSecond([&](qint64 s) { return drawn(s, 11 - first) == second; }, from);
}

int num()
{
    return DataModule1->Table1->fieldByName(u"num"_s).asInteger();
}

// The captions of the visible answer pictures, place 1 first.
QStringList shownCaptions()
{
    QStringList texts;
    for (ImageButton *picture : Form14->answerPlaces()) {
        if (!picture->isHidden())
            texts.append(picture->text());
    }
    return texts;
}

// "1" … "upTo", then empty texts up to `count`.
QStringList numbered(int upTo, int count)
{
    QStringList texts;
    for (int n = 1; n <= count; ++n)
        texts.append(n <= upTo ? QString::number(n) : QString());
    return texts;
}

int visibleFlags()
{
    int flags = 0;
    for (int n = 1; n <= 10; ++n)
        flags += Form14->flag(n)->isHidden() ? 0 : 1;
    return flags;
}

// Brings the addition training up as the main window does: it becomes active coming from
// the main window, which draws an addition.
bool openAddition()
{
    mymainForm->activateWindow();
    if (!QTest::qWaitForWindowActive(mymainForm))
        return false;
    Form14->Show();
    return QTest::qWaitForWindowActive(Form14);
}

// Draws first + second as the window's internal buttons do, each in a second of its own.
void drawAddition(TestWorld &world, int first, int second)
{
    world.clock.seconds = secondForFirst(first, world.clock.seconds + 1);
    Form14->Button1Click();
    world.clock.seconds = secondForSecond(first, second, world.clock.seconds + 1);
    Form14->Button2Click();
}

void answer(int number)
{
    QTest::mouseClick(Form14->answerButton(number), Qt::LeftButton);
}

} // namespace

class AdditionTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void opensOverTheMainWindowWithAnAddition();
    void zeroPlusZeroIsRightWithNothingToShow();
    void rightAnswerNumbersTheAnswerColumn();
    void additionsStayWithinTen();
    void everyThirdWrongAnswerOfTheRunShowsTheAnswer();
    void rightClickWithinThePauseCountsAgain();
    void flagRowsFillAndTurnOver_data();
    void flagRowsFillAndTurnOver();
    void failingCounter_data();
    void failingCounter();
    void animationSwapsFramesOnAllThirtyPictures();
};

void AdditionTest::opensOverTheMainWindowWithAnAddition()
{
    TestWorld world;
    world.clock.seconds = firstSecond([](qint64 s) {
        return drawn(s, 10) == 6 && drawn(s, 5) == 1;
    });
    world.start();
    QCOMPARE(QColor(Form14->suiForm1->color()), QColor(232, 232, 232));
    QVERIFY(Form14->windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(Form14->firstCount, -1);
    QVERIFY(openAddition());

    QCOMPARE(Form14->size(), QSize(1015, 768));
    QCOMPARE(Form14->geometry().center().x(), mymainForm->geometry().center().x());
    QCOMPARE(QColor(Form14->suiForm1->color()), QColor(Qt::black));
    QCOMPARE(Form14->firstCount, 6);
    QCOMPARE(Form14->secondCount, 1);
    QCOMPARE(shown(Form14->firstPlaces()), pictureNames({10, 9, 8, 7, 6, 5}));
    QCOMPARE(shown(Form14->secondPlaces()), pictureNames({20}));
    QVERIFY(shown(Form14->answerPlaces()).isEmpty());
    QCOMPARE(num(), 0); // an activation counts nothing

    // Back from the modal flag window, the same addition waits.
    world.clock.seconds = firstSecond([](qint64 s) { return drawn(s, 10) != 6; },
                                      world.clock.seconds + 1);
    QTimer::singleShot(0, Form13, [] { Form13->close(); });
    Form13->ShowModal();
    QCoreApplication::processEvents();
    QCOMPARE(Form14->firstCount, 6);
    QCOMPARE(Form14->secondCount, 1);
}

void AdditionTest::zeroPlusZeroIsRightWithNothingToShow()
{
    TestWorld world;
    world.clock.seconds = firstSecond([](qint64 s) {
        return drawn(s, 10) == 0 && drawn(s, 11) == 0;
    });
    world.start();
    QVERIFY(openAddition());
    QVERIFY(shown(Form14->firstPlaces()).isEmpty());
    QVERIFY(shown(Form14->secondPlaces()).isEmpty());

    answer(0);
    QCOMPARE(world.cues.played, QStringList{u"vright"_s});
    QCOMPARE(num(), 1);
    QCOMPARE(Form14->flagCount, 1);
    QCOMPARE(visibleFlags(), 1);
    QVERIFY(samePicture(Form13->suiImageButton1->picture(), world.pictures.picture(u"flag7"_s)));
    QVERIFY(shown(Form14->answerPlaces()).isEmpty());
    QVERIFY(world.clock.holds.isEmpty());
    QVERIFY(Form14->Timer3->enabled());

    // The tick a second later draws the next addition and ends the pause.
    world.clock.seconds = secondForFirst(4, world.clock.seconds + 1);
    Form14->Timer3Timer();
    QCOMPARE(Form14->firstCount, 4);
    QCOMPARE(shown(Form14->firstPlaces()).size(), 4);
    QCOMPARE(shown(Form14->secondPlaces()).size(), Form14->secondCount);
    QVERIFY(!Form14->Timer3->enabled());
}

void AdditionTest::rightAnswerNumbersTheAnswerColumn()
{
    TestWorld world;
    world.start();
    QVERIFY(openAddition());
    drawAddition(world, 3, 4);
    QCOMPARE(shown(Form14->firstPlaces()), pictureNames({10, 9, 8}));
    QCOMPARE(shown(Form14->secondPlaces()), pictureNames({20, 19, 18, 17}));
    QVERIFY(shown(Form14->answerPlaces()).isEmpty());

    // The screen at each half-second wait: the numbers appear one by one.
    QList<QStringList> atHolds;
    world.clock.onHold = [&](int) { atHolds.append(shownCaptions()); };
    answer(7);

    QCOMPARE(world.cues.played, QStringList{u"vright"_s});
    QCOMPARE(num(), 1);
    QCOMPARE(shown(Form14->answerPlaces()), pictureNames({30, 29, 28, 27, 26, 25, 24}));
    QCOMPARE(world.clock.holds, QList<int>(7, 500));
    for (int n = 1; n <= 7; ++n)
        QCOMPARE(atHolds.at(n - 1), numbered(n, 7));
    // The pause before the next addition does not hold the program.
    QVERIFY(Form14->Timer3->enabled());
    QCOMPARE(Form14->firstCount, 3);
}

void AdditionTest::additionsStayWithinTen()
{
    TestWorld world;
    world.start();
    QVERIFY(openAddition());
    // The two groups are drawn in one second or, now and then, either side of a second's end:
    // every pair of seconds.
    QSet<int> sums;
    QSet<int> afterNine;
    for (qint64 s1 = Start; s1 < Start + 30; ++s1) {
        for (qint64 s2 = s1; s2 < s1 + 30; ++s2) {
            world.clock.seconds = s1;
            Form14->Button1Click();
            world.clock.seconds = s2;
            Form14->Button2Click();
            const int first = Form14->firstCount;
            const int second = Form14->secondCount;
            QVERIFY(first >= 0 && first <= 9);
            QVERIFY2(second >= 0 && first + second <= 10,
                     qPrintable(u"%1 + %2"_s.arg(first).arg(second)));
            QCOMPARE(shown(Form14->firstPlaces()).size(), first);
            QCOMPARE(shown(Form14->secondPlaces()).size(), second);
            sums.insert(first + second);
            if (first == 9)
                afterNine.insert(second);
        }
    }
    QCOMPARE(sums.size(), 11);
    QCOMPARE(afterNine, (QSet<int>{0, 1}));
}

void AdditionTest::everyThirdWrongAnswerOfTheRunShowsTheAnswer()
{
    TestWorld world;
    world.start();
    QVERIFY(openAddition());
    drawAddition(world, 2, 3);

    answer(4);
    answer(10);
    QCOMPARE(world.cues.played, (QStringList{u"vwrong"_s, u"vwrong"_s}));
    QCOMPARE(num(), 2);
    QCOMPARE(Form14->wrongCount, 2);
    QVERIFY(world.clock.holds.isEmpty());
    QVERIFY(shown(Form14->answerPlaces()).isEmpty());

    // A right answer leaves the wrong ones standing; the next addition's first wrong answer
    // is the third of the run.
    answer(5);
    QCOMPARE(Form14->wrongCount, 2);
    Form14->Timer3Timer();
    QVERIFY(!Form14->Timer3->enabled());
    drawAddition(world, 4, 2);
    world.clock.holds.clear();
    QStringList atFirstHold;
    world.clock.onHold = [&](int) {
        if (atFirstHold.isEmpty())
            atFirstHold = shownCaptions();
    };
    answer(0);
    QCOMPARE(world.cues.played.last(), u"vwrong"_s);
    QCOMPARE(num(), 4);
    QCOMPARE(Form14->wrongCount, 0);
    QCOMPARE(Form14->flagCount, 1); // no flag for it
    QCOMPARE(world.clock.holds, QList<int>(6, 500));
    // The captions were not emptied first: places 2 … 5, still numbered from the last
    // display, show their numbers at once; place 6 was emptied by the right answer.
    QCOMPARE(atFirstHold, (QStringList{u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, QString()}));
    QCOMPARE(shown(Form14->answerPlaces()), pictureNames({30, 29, 28, 27, 26, 25}));
    QVERIFY(Form14->Timer3->enabled());
    Form14->Timer3Timer();
    QVERIFY(shown(Form14->answerPlaces()).isEmpty());
}

void AdditionTest::rightClickWithinThePauseCountsAgain()
{
    TestWorld world;
    world.start();
    QVERIFY(openAddition());
    drawAddition(world, 1, 1);
    answer(2);
    QVERIFY(Form14->Timer3->enabled());
    answer(2);
    QCOMPARE(world.cues.played, (QStringList{u"vright"_s, u"vright"_s}));
    QCOMPARE(num(), 2);
    QCOMPARE(Form14->flagCount, 2);
    QCOMPARE(visibleFlags(), 2);
    QCOMPARE(world.clock.holds, QList<int>(4, 500));
    QCOMPARE(shownCaptions(), numbered(2, 2));
    QVERIFY(Form14->Timer3->enabled());
}

void AdditionTest::flagRowsFillAndTurnOver_data()
{
    QTest::addColumn<int>("rights");
    QTest::addColumn<int>("flags");
    QTest::addColumn<QString>("picture");

    QTest::newRow("tenth fills the row") << 10 << 10 << u"flag7"_s;
    QTest::newRow("eleventh starts the next row") << 11 << 1 << u"flag8"_s;
    QTest::newRow("sixtieth fills the last row") << 60 << 10 << u"flag12"_s;
    QTest::newRow("sixty-first starts over") << 61 << 1 << u"flag7"_s;
}

void AdditionTest::flagRowsFillAndTurnOver()
{
    QFETCH(int, rights);
    QFETCH(int, flags);
    QFETCH(QString, picture);

    TestWorld world;
    world.start();
    QVERIFY(openAddition());
    for (int i = 0; i < rights; ++i)
        answer(Form14->firstCount + Form14->secondCount);
    QCOMPARE(num(), rights);
    QCOMPARE(Form14->flagCount, flags);
    QCOMPARE(visibleFlags(), flags);
    const QPixmap expected = world.pictures.picture(picture);
    for (int n = 1; n <= flags; ++n)
        QVERIFY2(samePicture(Form14->flag(n)->picture(), expected), qPrintable(QString::number(n)));

    // The first flag shows the latest flag large in the modal flag window.
    QPixmap seen;
    QTimer::singleShot(0, Form13, [&] {
        if (Form13->isModalShown())
            seen = Form13->suiImageButton1->picture();
        Form13->close();
    });
    QTest::mouseClick(Form14->suiImageButton31, Qt::LeftButton);
    QVERIFY(samePicture(seen, expected));
    QVERIFY(!Form13->isVisible());
}

void AdditionTest::failingCounter_data()
{
    QTest::addColumn<bool>("right");
    QTest::newRow("right answer") << true;
    QTest::newRow("wrong answer") << false;
}

void AdditionTest::failingCounter()
{
    QFETCH(bool, right);

    QStringList tables = TestWorld::allTables();
    tables.removeAll(u"sys.db"_s);
    TestWorld world(tables);
    world.start();
    QVERIFY(openAddition());
    drawAddition(world, 3, 2);
    Form14->wrongCount = 2;

    answer(right ? 5 : 6);
    QCOMPARE(world.dialogs.errors().size(), 1);
    QVERIFY(world.cues.played.isEmpty());
    QVERIFY(world.clock.holds.isEmpty());
    QVERIFY(shown(Form14->answerPlaces()).isEmpty());
    QVERIFY(!Form14->Timer3->enabled());
    QCOMPARE(Form14->wrongCount, 2);
    // A right answer has moved the flag row on before the counter failed.
    QCOMPARE(Form14->flagCount, right ? 1 : 0);
    QCOMPARE(Form14->firstCount, 3);
    QCOMPARE(Form14->secondCount, 2);
}

void AdditionTest::animationSwapsFramesOnAllThirtyPictures()
{
    TestWorld world;
    world.clock.seconds = firstSecond([](qint64 s) {
        RandomGenerator random;
        random.seed(s);
        return random.below(10) == 2 && random.below(6) == 4; // two butterflies
    });
    world.start();
    QVERIFY(openAddition());
    QCOMPARE(Form14->pictureSet, 4);

    // Ticks are run by hand: no test waits for real seconds.
    const auto allShow = [&](const QString &name) {
        const QPixmap expected = world.pictures.picture(name);
        for (const PicturePlaces *column :
             {&Form14->firstPlaces(), &Form14->secondPlaces(), &Form14->answerPlaces()}) {
            for (ImageButton *picture : *column) {
                if (!samePicture(picture->picture(), expected))
                    return false;
            }
        }
        return true;
    };
    Form14->Timer1Timer();
    QVERIFY(allShow(u"ff1"_s));
    QVERIFY(!Form14->Timer1->enabled());
    QVERIFY(Form14->Timer2->enabled());
    Form14->Timer2Timer();
    QVERIFY(allShow(u"ff2"_s));
    QVERIFY(Form14->Timer1->enabled());
    QVERIFY(!Form14->Timer2->enabled());
}

QTEST_MAIN(AdditionTest)
#include "test_addition.moc"
