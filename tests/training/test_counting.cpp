// The counting game: questions, judging, the numbered answer, flags, the flag window and the
// animation.
#include "services/random.h"
#include "services/sysdatamoudle.h"
#include "shell/mainform.h"
#include "tables/apperror.h"
#include "tables/tables.h"
#include "tests/support/testworld.h"
#include "toolkit/imagebutton.h"
#include "toolkit/skinframe.h"
#include "toolkit/speedbutton.h"
#include "toolkit/timer.h"
#include "training/flagshow.h"
#include "training/game_num1.h"

#include <QFile>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;
using namespace abacolo;
using namespace abacolo::test;

namespace {

// The first second from `from` on whose drawing hides `hidden` pictures.
qint64 secondHiding(int hidden, qint64 from = Start)
{
    return secondGiving(hidden, 6, from);
}

int num4()
{
    return DataModule1->Table1->fieldByName(u"num4"_s).asInteger();
}

QStringList captions()
{
    QStringList texts;
    for (int n = 1; n <= 10; ++n)
        texts.append(Form2->picture(n)->text());
    return texts;
}

// "1" … "count", then empty captions up to the tenth picture.
QStringList numbered(int count)
{
    QStringList texts;
    for (int n = 1; n <= 10; ++n)
        texts.append(n <= count ? QString::number(n) : QString());
    return texts;
}

// How many pictures stand from the first on; -1 if there is a gap.
int visiblePictures()
{
    int shown = 0;
    while (shown < 10 && !Form2->picture(shown + 1)->isHidden())
        ++shown;
    for (int n = shown + 1; n <= 10; ++n) {
        if (!Form2->picture(n)->isHidden())
            return -1;
    }
    return shown;
}

int visibleFlags()
{
    int shown = 0;
    for (int n = 1; n <= 10; ++n)
        shown += Form2->flag(n)->isHidden() ? 0 : 1;
    return shown;
}

// Brings the counting game up as the main window does: the game becomes active coming from
// the main window, which starts a question.
bool openGame()
{
    mymainForm->activateWindow();
    if (!QTest::qWaitForWindowActive(mymainForm))
        return false;
    Form2->Show();
    return QTest::qWaitForWindowActive(Form2);
}

void answer(int number)
{
    QTest::mouseClick(Form2->numberButton(number), Qt::LeftButton);
}

} // namespace

class CountingTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void questionsShowFiveToTenPicturesFromTheFirst();
    void rightAnswerNumbersThePicturesAndMovesOn();
    void everyThirdWrongAnswerOfTheRunShowsTheAnswer();
    void flagRowsFillAndTurnOver_data();
    void flagRowsFillAndTurnOver();
    void flagWindowShowsTheLatestFlag();
    void hidingAndShowingKeepsFlagsAndWrongAnswers();
    void failingCounterLeavesTheQuestionAnswerable_data();
    void failingCounterLeavesTheQuestionAnswerable();
    void animationSwapsFramesOnAllTenPictures_data();
    void animationSwapsFramesOnAllTenPictures();
};

void CountingTest::questionsShowFiveToTenPicturesFromTheFirst()
{
    TestWorld world;
    world.start();
    QVERIFY(openGame());
    const int counted = num4();
    QSet<int> seen;
    for (int s = 0; s < 120; ++s) {
        world.clock.seconds = 1'700'000'000 + s;
        Form2->Button1Click();
        const int shown = 10 - Form2->hiddenCount;
        QVERIFY2(shown >= 5 && shown <= 10, qPrintable(QString::number(shown)));
        QCOMPARE(visiblePictures(), shown);
        QCOMPARE(captions(), numbered(0));
        seen.insert(shown);
    }
    QCOMPARE(seen.size(), 6);
    QCOMPARE(num4(), counted + 120);
}

void CountingTest::rightAnswerNumbersThePicturesAndMovesOn()
{
    TestWorld world;
    world.clock.seconds = secondHiding(3);
    world.start();
    QVERIFY(openGame());
    QCOMPARE(visiblePictures(), 7);
    QCOMPARE(num4(), 1);
    QCOMPARE(QColor(Form2->suiForm1->color()), QColor(Qt::black));

    QList<QStringList> atHolds;
    world.clock.onHold = [&](int) { atHolds.append(captions()); };
    world.clock.seconds = secondHiding(0, world.clock.seconds + 1);
    answer(7);

    QCOMPARE(world.cues.played, QStringList{u"vright"_s});
    QCOMPARE(Form2->flagCount, 1);
    QCOMPARE(visibleFlags(), 1);
    QVERIFY(!Form2->suiImageButton11->isHidden());
    // Half a second before each number, then two seconds before the next question.
    QCOMPARE(world.clock.holds, (QList<int>{500, 500, 500, 500, 500, 500, 500, 2000}));
    for (int n = 0; n <= 7; ++n)
        QCOMPARE(atHolds.at(n), numbered(n));
    // The next question: fresh pictures, empty captions, counted.
    QCOMPARE(visiblePictures(), 10);
    QCOMPARE(captions(), numbered(0));
    QCOMPARE(num4(), 2);
}

void CountingTest::everyThirdWrongAnswerOfTheRunShowsTheAnswer()
{
    TestWorld world;
    world.clock.seconds = secondHiding(3);
    world.start();
    QVERIFY(openGame());

    answer(0);
    answer(4);
    QCOMPARE(world.cues.played, (QStringList{u"vwrong"_s, u"vwrong"_s}));
    QVERIFY(world.clock.holds.isEmpty());
    QCOMPARE(visiblePictures(), 7); // the same question waits
    QCOMPARE(num4(), 1);

    world.clock.seconds = secondHiding(5, world.clock.seconds + 1);
    answer(7);
    QCOMPARE(Form2->wrongCount, 2); // a right answer does not reset the wrong ones
    QCOMPARE(visiblePictures(), 5);
    QCOMPARE(num4(), 2);

    // The first wrong answer of this question is the third of the run.
    world.clock.holds.clear();
    QStringList atLastHold;
    world.clock.onHold = [&](int ms) {
        if (ms == 2000)
            atLastHold = captions();
    };
    world.clock.seconds = secondHiding(1, world.clock.seconds + 1);
    answer(6);
    QCOMPARE(world.cues.played.last(), u"vwrong"_s);
    QCOMPARE(world.clock.holds, (QList<int>{500, 500, 500, 500, 500, 2000}));
    QCOMPARE(atLastHold, numbered(5));
    QCOMPARE(Form2->wrongCount, 0);
    QCOMPARE(Form2->flagCount, 1); // no flag for it
    QCOMPARE(visiblePictures(), 9);
    QCOMPARE(captions(), numbered(0));
    QCOMPARE(num4(), 3);
}

void CountingTest::flagRowsFillAndTurnOver_data()
{
    QTest::addColumn<int>("rights");
    QTest::addColumn<int>("flags");
    QTest::addColumn<QString>("picture");

    QTest::newRow("tenth fills the row") << 10 << 10 << u"flag1"_s;
    QTest::newRow("eleventh starts the next row") << 11 << 1 << u"flag2"_s;
    QTest::newRow("sixtieth fills the last row") << 60 << 10 << u"flag6"_s;
    QTest::newRow("sixty-first starts over") << 61 << 1 << u"flag1"_s;
}

void CountingTest::flagRowsFillAndTurnOver()
{
    QFETCH(int, rights);
    QFETCH(int, flags);
    QFETCH(QString, picture);

    TestWorld world;
    world.start();
    QVERIFY(openGame());
    for (int i = 0; i < rights; ++i) {
        world.clock.seconds += 1;
        answer(10 - Form2->hiddenCount);
    }
    QCOMPARE(world.cues.played, QStringList(rights, u"vright"_s));
    QCOMPARE(Form2->flagCount, flags);
    QCOMPARE(visibleFlags(), flags);
    const QPixmap expected = world.pictures.picture(picture);
    for (int n = 1; n <= flags; ++n)
        QVERIFY2(samePicture(Form2->flag(n)->picture(), expected), qPrintable(QString::number(n)));
    QVERIFY(samePicture(Form13->suiImageButton1->picture(), expected));
}

void CountingTest::flagWindowShowsTheLatestFlag()
{
    TestWorld world;
    world.start();
    QVERIFY(openGame());
    answer(10 - Form2->hiddenCount);

    // Clicks the first flag and returns the picture the modal flag window showed.
    auto flagWindowShows = [&] {
        QPixmap seen;
        bool modal = false;
        QTimer::singleShot(0, Form13, [&] {
            modal = Form13->isVisible() && Form13->isModalShown();
            seen = Form13->suiImageButton1->picture();
            Form13->close();
        });
        QTest::mouseClick(Form2->suiImageButton11, Qt::LeftButton);
        return modal ? seen : QPixmap();
    };

    const int hidden = Form2->hiddenCount;
    const int counted = num4();
    QVERIFY(samePicture(flagWindowShows(), world.pictures.picture(u"flag1"_s)));
    QVERIFY(!Form13->isVisible());

    // The addition training puts its own latest flag into the same window.
    world.pictures.LoadPictureResource(*Form13->suiImageButton1, u"flag9"_s);
    QVERIFY(samePicture(flagWindowShows(), world.pictures.picture(u"flag9"_s)));

    // Back from the flag window, the same question waits.
    QCoreApplication::processEvents();
    QCOMPARE(Form2->hiddenCount, hidden);
    QCOMPARE(num4(), counted);
    QVERIFY(world.dialogs.shown.isEmpty());
}

void CountingTest::hidingAndShowingKeepsFlagsAndWrongAnswers()
{
    TestWorld world;
    world.start();
    QVERIFY(openGame());
    world.clock.seconds += 1;
    answer(10 - Form2->hiddenCount);
    answer(0);
    const int counted = num4();

    QVERIFY(Form2->close());
    QVERIFY(!Form2->isVisible());
    QVERIFY(openGame());
    QCOMPARE(num4(), counted + 1); // a new question
    QCOMPARE(Form2->flagCount, 1);
    QCOMPARE(visibleFlags(), 1);
    QCOMPARE(Form2->wrongCount, 1);
    answer(0);
    answer(0); // the third of the run
    QCOMPARE(Form2->wrongCount, 0);
    QCOMPARE(world.clock.holds.last(), 2000);
}

void CountingTest::failingCounterLeavesTheQuestionAnswerable_data()
{
    QTest::addColumn<bool>("missingFromStart");
    QTest::newRow("sys.db missing at start") << true;
    QTest::newRow("sys.db gone during the run") << false;
}

void CountingTest::failingCounterLeavesTheQuestionAnswerable()
{
    QFETCH(bool, missingFromStart);

    QStringList tables = TestWorld::allTables();
    if (missingFromStart)
        tables.removeAll(u"sys.db"_s);
    TestWorld world(tables);
    world.clock.seconds = secondHiding(2);
    world.start();
    int shown = 10; // before any question, all ten pictures stand
    if (!missingFromStart) {
        QVERIFY(openGame());
        shown = 8;
        QVERIFY(Form2->close());
        DataModule1->Table1->setActive(false);
        QVERIFY(QFile::remove(world.tablePath(u"sys.db"_s)));
    }
    QString expected;
    try {
        DataModule1->Table1->edit();
    } catch (const AppError &e) {
        expected = e.message();
    }
    QVERIFY(!expected.isEmpty());

    world.clock.seconds = secondHiding(0, world.clock.seconds + 1);
    QVERIFY(openGame());
    QCOMPARE(world.dialogs.errors(), QStringList{expected});
    QCOMPARE(visiblePictures(), shown);
    QCOMPARE(captions(), numbered(0));
    // The frame is black all the same, so the white numbers can be read.
    QCOMPARE(QColor(Form2->suiForm1->color()), QColor(Qt::black));

    // The question on screen can still be answered; its new question fails the same way.
    answer(shown);
    QCOMPARE(world.cues.played, QStringList{u"vright"_s});
    QCOMPARE(visibleFlags(), 1);
    QCOMPARE(world.clock.holds.last(), 2000);
    QCOMPARE(world.dialogs.errors(), (QStringList{expected, expected}));
    QCOMPARE(visiblePictures(), shown);
    QCOMPARE(captions(), numbered(shown));
}

void CountingTest::animationSwapsFramesOnAllTenPictures_data()
{
    QTest::addColumn<int>("hidden");
    QTest::addColumn<QString>("frame1");
    QTest::addColumn<QString>("frame2");

    QTest::newRow("10 pictures") << 0 << u"t1"_s << u"t2"_s;
    QTest::newRow("9 pictures") << 1 << u"k1"_s << u"k2"_s;
    QTest::newRow("8 pictures") << 2 << u"x1"_s << u"x2"_s;
    QTest::newRow("7 pictures") << 3 << u"f1"_s << u"f2"_s;
    QTest::newRow("6 pictures") << 4 << u"ff1"_s << u"ff2"_s;
    QTest::newRow("5 pictures") << 5 << u"h1"_s << u"h2"_s;
}

void CountingTest::animationSwapsFramesOnAllTenPictures()
{
    QFETCH(int, hidden);
    QFETCH(QString, frame1);
    QFETCH(QString, frame2);

    TestWorld world;
    world.clock.seconds = secondHiding(hidden);
    world.start();
    QVERIFY(openGame());
    QCOMPARE(visiblePictures(), 10 - hidden);

    // Ticks are run by hand: no test waits for real seconds.
    const auto allShow = [&](const QString &name) {
        const QPixmap expected = world.pictures.picture(name);
        for (int n = 1; n <= 10; ++n) {
            if (!samePicture(Form2->picture(n)->picture(), expected))
                return false;
        }
        return true;
    };
    Form2->Timer1Timer();
    QVERIFY(allShow(frame1));
    QVERIFY(!Form2->Timer1->enabled());
    QVERIFY(Form2->Timer2->enabled());
    Form2->Timer2Timer();
    QVERIFY(allShow(frame2));
    QVERIFY(Form2->Timer1->enabled());
    QVERIFY(!Form2->Timer2->enabled());
}

QTEST_MAIN(CountingTest)
#include "test_counting.moc"
