// The window set, the main window's start and end, and the table-opening sequence.
#include "activities/balance.h"
#include "activities/clock.h"
#include "activities/comparing.h"
#include "activities/directions.h"
#include "activities/finderrors.h"
#include "activities/half.h"
#include "activities/memorypairs.h"
#include "activities/multiples.h"
#include "activities/paths.h"
#include "activities/shapes.h"
#include "flash/flashfullview.h"
#include "progress/growthrecord.h"
#include "services/sysdatamoudle.h"
#include "sheets/doitmyself.h"
#include "sheets/games4_1.h"
#include "shell/mainform.h"
#include "shell/windowset.h"
#include "statistics/tongji.h"
#include "tables/tables.h"
#include "tests/support/testworld.h"
#include "tables/apperror.h"
#include "toolkit/skinframe.h"
#include "training/game_num1.h"

#include <QApplication>
#include <QFile>
#include <QScopeGuard>
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
    void eachTableOpensOnItsOwn_data();
    void eachTableOpensOnItsOwn();
    void aClosedTableNamesItsFileAndWhy_data();
    void aClosedTableNamesItsFileAndWhy();
    void closingAnotherWindowHidesIt();
    void closingTheMainWindowEndsTheEventLoop();
    void windowsTakeTheSkinAndSurviveABadOne();
    void aFailingMemberFreesTheMembersMadeBeforeIt_data();
    void aFailingMemberFreesTheMembersMadeBeforeIt();
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
                                 u"MemoryForm"_s, u"HalfForm"_s,
                                 u"BalanceForm"_s, u"FindErrorsForm"_s,
                                 u"MultiplesForm"_s, u"DirectionsForm"_s,
                                 u"PathsForm"_s, u"BarGraphsForm"_s, u"TimesTablesForm"_s,
                                 u"GrowthRecordForm"_s}));
    QCOMPARE(world.windows()->members().first(), mymainForm);
    QCOMPARE(world.windows()->members().last(), GrowthRecordForm);
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

void StartupTest::eachTableOpensOnItsOwn_data()
{
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QStringList>("damaged");
    QTest::addColumn<QList<bool>>("open"); // sys (both), changcolor, subtration, fillblank

    const QStringList all = TestWorld::allTables();
    QTest::newRow("all present") << all << QStringList() << QList<bool>{true, true, true, true};
    QTest::newRow("sys.db missing")
        << QStringList{u"fillblank.db"_s, u"changcolor.db"_s, u"subtration.DB"_s} << QStringList()
        << QList<bool>{false, true, true, true};
    QTest::newRow("only subtration.DB missing")
        << QStringList{u"sys.db"_s, u"fillblank.db"_s, u"changcolor.db"_s} << QStringList()
        << QList<bool>{true, true, false, true};
    QTest::newRow("only fillblank.db missing")
        << QStringList{u"sys.db"_s, u"changcolor.db"_s, u"subtration.DB"_s} << QStringList()
        << QList<bool>{true, true, true, false};
    QTest::newRow("sys.db damaged") << all << QStringList{u"sys.db"_s}
                                    << QList<bool>{false, true, true, true};
    QTest::newRow("changcolor.db damaged") << all << QStringList{u"changcolor.db"_s}
                                           << QList<bool>{true, false, true, true};
}

void StartupTest::eachTableOpensOnItsOwn()
{
    QFETCH(QStringList, present);
    QFETCH(QStringList, damaged);
    QFETCH(QList<bool>, open);
    TestWorld world(present);
    for (const QString &file : damaged) {
        QFile table(world.tablePath(file));
        QVERIFY(table.open(QIODevice::WriteOnly | QIODevice::Truncate));
        table.write("not a table");
    }
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

void StartupTest::aClosedTableNamesItsFileAndWhy_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("damage"); // else missing
    QTest::addColumn<QString>("why");
    QTest::newRow("subtration.DB missing") << u"subtration.DB"_s << false << u"找不到表格文件"_s;
    QTest::newRow("subtration.DB damaged") << u"subtration.DB"_s << true
                                           << u"已损坏或不是有效的表格文件"_s;
    QTest::newRow("sys.db damaged") << u"sys.db"_s << true << u"已损坏或不是有效的表格文件"_s;
}

void StartupTest::aClosedTableNamesItsFileAndWhy()
{
    QFETCH(QString, file);
    QFETCH(bool, damage);
    QFETCH(QString, why);
    TestWorld world;
    if (damage) {
        QFile table(world.tablePath(file));
        QVERIFY(table.open(QIODevice::WriteOnly | QIODevice::Truncate));
        table.write(QByteArray(4096, '\x5a'));
    } else {
        QVERIFY(QFile::remove(world.tablePath(file)));
    }
    world.start();
    Table *closed = file == u"sys.db"_s ? DataModule1->Table1 : Form17->Table1;
    QVERIFY(!closed->active());
    try {
        closed->first();
        QFAIL("a closed table moved");
    } catch (const AppError &e) {
        QVERIFY2(e.message().contains(file) && e.message().contains(u"没有打开"_s)
                     && e.message().contains(why),
                 qPrintable(e.message()));
    }
    // The other tables are intact and open.
    QCOMPARE(Form17->Table1->active(), file != u"subtration.DB"_s);
    QCOMPARE(DataModule1->Table1->active(), file != u"sys.db"_s);
    QVERIFY(Form5->Table1->active() && Form10->Table1->active());
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
        QVERIFY(Form2->skinStyleSheet().contains(u"QToolTip"_s));
    }
    // A well-formed skin far larger than any real one: its style sheet alone would cost
    // hundreds of megabytes across the windows.
    QByteArray oversized("[frame]\ntitle-top = #123456\n[style]\n");
    while (oversized.size() <= 300 * 1024)
        oversized += "QLabel#l" + QByteArray::number(oversized.size()) + " { color: red; }\n";
    for (const QByteArray &content : {QByteArray(), QByteArray("[frame]\ntitle-top = not-a-colour\n"),
                                      QByteArray("\x00\xff\x10garbage", 10), oversized}) {
        TestWorld world;
        QFile skin(world.dataDir() + u"/skin/diamond.ssk"_s);
        QVERIFY(skin.open(QIODevice::WriteOnly | QIODevice::Truncate));
        skin.write(content);
        skin.close();
        world.start();
        QCOMPARE(mymainForm->suiForm1->skin().titleTop, Skin().titleTop);
        QVERIFY(mymainForm->skinStyleSheet().isEmpty());
    }
}

void StartupTest::aFailingMemberFreesTheMembersMadeBeforeIt_data()
{
    QTest::addColumn<QString>("failing");
    for (const char *name : {"mymainForm", "Form5", "DataModule1", "Form17", "Form35"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void StartupTest::aFailingMemberFreesTheMembersMadeBeforeIt()
{
    QFETCH(QString, failing);
    const qsizetype windowsBefore = QApplication::topLevelWidgets().size();
    {
        TestWorld world;
        WindowSet::setCreationHook([&](const QString &instance) {
            if (instance == failing)
                throw AppError(u"找不到图片 “picgame1”"_s);
        });
        const auto unhook = qScopeGuard([] { WindowSet::setCreationHook({}); });
        QVERIFY_THROWS_EXCEPTION(AppError, WindowSet windows(world.services));
        // Nothing made before the failure is left: no window, no timer calling the services
        // that go next.
        QCOMPARE(QApplication::topLevelWidgets().size(), windowsBefore);
        QVERIFY(mymainForm == nullptr && Form2 == nullptr && Form5 == nullptr
                && DataModule1 == nullptr && Form17 == nullptr && Form35 == nullptr);
    }
    // The services are gone; whatever the event loop still holds runs without them.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // The next creation works.
    TestWorld world;
    world.start();
    QVERIFY(mymainForm->isVisible());
}

QTEST_MAIN(StartupTest)
#include "test_startup.moc"
