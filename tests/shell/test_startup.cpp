// The window set, the main window's start and end, and the table-opening sequence.
#include "activities/clock.h"
#include "activities/comparing.h"
#include "activities/directions.h"
#include "activities/finderrors.h"
#include "activities/memorypairs.h"
#include "activities/multiples.h"
#include "activities/paths.h"
#include "activities/shapes.h"
#include "flash/flashfullview.h"
#include "sheets/doitmyself.h"
#include "sheets/games4_1.h"
#include "shell/mainform.h"
#include "shell/sysdatamoudle.h"
#include "shell/tables.h"
#include "shell/windowset.h"
#include "statistics/tongji.h"
#include "tests/support/testworld.h"
#include "training/game_num1.h"
#include "toolkit/skinframe.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;
using namespace abacolo;
using namespace abacolo::test;

class StartupTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void windowSetIsCreatedOnceInOrder();
    void mainWindowTakesTheCornerAndSwitchesTheDisplay();
    void tablesOpenInOrderUntilTheFirstFailure_data();
    void tablesOpenInOrderUntilTheFirstFailure();
    void closingAnotherWindowHidesIt();
    void closingTheMainWindowEndsTheEventLoop();
    void windowsTakeTheSkinAndSurviveABadOne();
};

void StartupTest::windowSetIsCreatedOnceInOrder()
{
    TestWorld world;
    world.start();
    QStringList names;
    for (QObject *member : world.windows()->members())
        names.append(member->objectName());
    QCOMPARE(names, (QStringList{u"mymainForm"_s, u"Form2"_s, u"Form5"_s, u"Form6"_s,
                                 u"Form10"_s, u"DataModule1"_s, u"Form13"_s, u"Form14"_s,
                                 u"Form25"_s, u"Form17"_s, u"Form33"_s, u"Form15"_s,
                                 u"Form32"_s, u"Form35"_s, u"ShapesForm"_s,
                                 u"ComparingForm"_s, u"ClockForm"_s,
                                 u"MemoryForm"_s, u"FindErrorsForm"_s,
                                 u"MultiplesForm"_s, u"DirectionsForm"_s,
                                 u"PathsForm"_s}));
    QCOMPARE(world.windows()->members().first(), mymainForm);
    QCOMPARE(world.windows()->members().last(), PathsForm);
    // Only the main window is on screen; the others wait hidden.
    for (QObject *member : world.windows()->members()) {
        if (auto *window = qobject_cast<QWidget *>(member))
            QCOMPARE(window->isVisible(), window == mymainForm);
    }
    world.stop();
    QVERIFY(mymainForm == nullptr && Form2 == nullptr && DataModule1 == nullptr);
}

void StartupTest::mainWindowTakesTheCornerAndSwitchesTheDisplay()
{
    TestWorld world;
    world.display.size = QSize(1920, 1080);
    world.start();
    QCOMPARE(mymainForm->geometry(), QRect(0, 0, 1024, 768));
    QCOMPARE(mymainForm->windowTitle(), u" Abacolo  v6.7"_s);
    QCOMPARE(world.display.requests, QList<QSize>{QSize(1024, 768)});
    world.stop();
    QCOMPARE(world.display.requests, (QList<QSize>{QSize(1024, 768), QSize(1920, 1080)}));
}

void StartupTest::tablesOpenInOrderUntilTheFirstFailure_data()
{
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QList<bool>>("open"); // sys (both), changcolor, subtration, fillblank

    const QStringList all = TestWorld::allTables();
    QTest::newRow("all present") << all << QList<bool>{true, true, true, true};
    QTest::newRow("sys.db missing")
        << QStringList{u"fillblank.db"_s, u"changcolor.db"_s, u"subtration.DB"_s}
        << QList<bool>{false, false, false, false};
    QTest::newRow("only subtration.DB missing")
        << QStringList{u"sys.db"_s, u"fillblank.db"_s, u"changcolor.db"_s}
        << QList<bool>{true, true, false, false};
    QTest::newRow("only fillblank.db missing")
        << QStringList{u"sys.db"_s, u"changcolor.db"_s, u"subtration.DB"_s}
        << QList<bool>{true, true, true, false};
}

void StartupTest::tablesOpenInOrderUntilTheFirstFailure()
{
    QFETCH(QStringList, present);
    QFETCH(QList<bool>, open);
    TestWorld world(present);
    world.start();
    QCOMPARE(DataModule1->Table1->active(), open[0]);
    QCOMPARE(mymainForm->Table1->active(), open[0]);
    QCOMPARE(Form5->Table1->active(), open[1]);
    QCOMPARE(Form17->Table1->active(), open[2]);
    QCOMPARE(Form10->Table1->active(), open[3]);
    // Opening failures are swallowed: nothing is reported.
    QVERIFY(world.dialogs.shown.isEmpty());
    if (open[0])
        QCOMPARE(DataModule1->Table1->databaseName(), world.dataDir());
}

void StartupTest::closingAnotherWindowHidesIt()
{
    TestWorld world;
    world.start();
    Form2->Show();
    QVERIFY(Form2->isVisible());
    QVERIFY(Form2->close());
    QVERIFY(!Form2->isVisible());
    QVERIFY(Form2 != nullptr);
    Form2->Show(); // shown again, the same window
    QVERIFY(Form2->isVisible());
}

void StartupTest::closingTheMainWindowEndsTheEventLoop()
{
    TestWorld world;
    world.start();
    Form2->Show();
    Form35->Show();
    QTimer::singleShot(0, mymainForm, [] { mymainForm->close(); });
    QTimer watchdog;
    bool timedOut = false;
    watchdog.singleShot(20'000, qApp, [&] {
        timedOut = true;
        QCoreApplication::exit(1);
    });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!timedOut);
}

void StartupTest::windowsTakeTheSkinAndSurviveABadOne()
{
    {
        TestWorld world;
        world.start();
        // The shipped skin's title bar and style sheet reach the skinned windows.
        QCOMPARE(mymainForm->suiForm1->skin().titleTop, QColor(u"#3aa0ff"_s));
        QVERIFY(Form2->styleSheet().contains(u"QToolTip"_s));
    }
    for (const QByteArray &content : {QByteArray(), QByteArray("[frame]\ntitle-top = not-a-colour\n"),
                                      QByteArray("\x00\xff\x10garbage", 10)}) {
        TestWorld world;
        QFile skin(world.dataDir() + u"/skin/diamond.ssk"_s);
        QVERIFY(skin.open(QIODevice::WriteOnly | QIODevice::Truncate));
        skin.write(content);
        skin.close();
        world.start();
        QCOMPARE(mymainForm->suiForm1->skin().titleTop, Skin().titleTop);
        QVERIFY(mymainForm->styleSheet().isEmpty());
    }
}

QTEST_MAIN(StartupTest)
#include "test_startup.moc"
