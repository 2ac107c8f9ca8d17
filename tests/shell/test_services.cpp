// The shared services: random drawings, the handler boundary and its hold, progress counters,
// cues.
#include "shell/mainform.h"
#include "shell/random.h"
#include "shell/soundcues.h"
#include "shell/sysdatamoudle.h"
#include "shell/tables.h"
#include "tests/support/testworld.h"
#include "toolkit/apperror.h"
#include "toolkit/handlers.h"
#include "toolkit/timer.h"

#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace abacolo;
using namespace abacolo::test;

class ServicesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void randomRepeatsForTheSameSecond();
    void handlerErrorIsReportedAndTheRestSkipped();
    void heldHandlersRunAfterTheHoldOnce();
    void countersAddUpAcrossRuns();
    void counterFailsWithoutItsTable_data();
    void counterFailsWithoutItsTable();
    void aNewCueCutsOffThePlayingOne();
};

void ServicesTest::randomRepeatsForTheSameSecond()
{
    RandomGenerator a, b;
    a.seed(1'700'000'123);
    b.seed(1'700'000'123);
    QList<int> first, second;
    for (int i = 0; i < 50; ++i) {
        first.append(a.below(6));
        second.append(b.below(6));
    }
    QCOMPARE(first, second);
    QVERIFY(std::all_of(first.cbegin(), first.cend(), [](int v) { return v >= 0 && v < 6; }));
    // Over many seconds every value in range comes up.
    QSet<int> seen;
    for (qint64 s = 0; s < 200; ++s) {
        a.seed(1'700'000'000 + s);
        seen.insert(a.below(6));
    }
    QCOMPARE(seen.size(), 6);
    QVERIFY_THROWS_EXCEPTION(AppError, a.below(0));
}

void ServicesTest::handlerErrorIsReportedAndTheRestSkipped()
{
    QStringList reported;
    HandlerGate::setErrorReporter([&](const QString &text) { reported.append(text); });
    QPushButton button;
    bool rest = false;
    onEvent(&button, &QPushButton::clicked, &button, [&](bool) {
        throw AppError(u"表格 “sys.db” 没有打开"_s);
        rest = true; // never reached
    });
    button.click();
    QCOMPARE(reported, QStringList{u"表格 “sys.db” 没有打开"_s});
    QVERIFY(!rest);
    button.click(); // the program carries on
    QCOMPARE(reported.size(), 2);
    HandlerGate::setErrorReporter({});
}

void ServicesTest::heldHandlersRunAfterTheHoldOnce()
{
    int clicks = 0;
    QPushButton button;
    onEvent(&button, &QPushButton::clicked, &button, [&](bool) { ++clicks; });
    {
        HandlerGate::Hold hold;
        button.click();
        button.click(); // folded into one, as the system folds repeated ticks
        QCOMPARE(clicks, 0);
    }
    QCOMPARE(clicks, 0); // not inside the handler that held the gate
    QTRY_COMPARE(clicks, 1);

    // A timer stopped during the hold does not tick afterwards.
    int ticks = 0;
    Timer timer(u"Timer1"_s, nullptr, 10);
    timer.setOnTimer([&] { ++ticks; });
    {
        HandlerGate::Hold hold;
        QTest::qWait(50); // a real event loop turn: the tick arrives and is deferred
        timer.setEnabled(false);
    }
    QTest::qWait(30);
    QCOMPARE(ticks, 0);
}

void ServicesTest::countersAddUpAcrossRuns()
{
    TestWorld world;
    for (int run = 0; run < 2; ++run) {
        world.start();
        for (int i = 0; i < 3; ++i)
            world.counters.IncrementCounter(u"num4"_s);
        world.counters.IncrementCounter(u"NUM1"_s); // names match without regard to case
        world.stop();
    }
    Table check(world.session, u"sys.db"_s, nullptr);
    check.setDatabaseName(world.dataDir());
    check.open();
    QCOMPARE(check.fieldByName(u"num4"_s).asInteger(), 6);
    QCOMPARE(check.fieldByName(u"num1"_s).asInteger(), 2);
    QCOMPARE(check.fieldByName(u"num"_s).asInteger(), 0);
}

void ServicesTest::counterFailsWithoutItsTable_data()
{
    QTest::addColumn<QStringList>("tables");
    QTest::addColumn<QString>("field");
    QTest::newRow("sys.db missing") << QStringList{u"fillblank.db"_s} << u"num4"_s;
    QTest::newRow("no such field") << TestWorld::allTables() << u"num9"_s;
}

void ServicesTest::counterFailsWithoutItsTable()
{
    QFETCH(QStringList, tables);
    QFETCH(QString, field);
    TestWorld world(tables);
    world.start();
    QVERIFY_THROWS_EXCEPTION(AppError, world.counters.IncrementCounter(field));
    // After a failed increment the table is usable again (no edit left hanging).
    if (DataModule1->Table1->active()) {
        QVERIFY(!DataModule1->Table1->editing());
        world.counters.IncrementCounter(u"num4"_s);
        QCOMPARE(DataModule1->Table1->fieldByName(u"num4"_s).asInteger(), 1);
    }
}

void ServicesTest::aNewCueCutsOffThePlayingOne()
{
    SoundCues cues;
    QCOMPARE(cues.names().size(), 115); // 13 cues and 102 requests of the activities
    cues.PlayCue(u"VRight"_s);
    QCOMPARE(cues.current(), u"vright"_s);
    cues.PlayCue(u"vwrong"_s);
    QCOMPARE(cues.current(), u"vwrong"_s);
    cues.PlayCue(u"no-such-cue"_s); // silent, no error
    QCOMPARE(cues.current(), u"no-such-cue"_s);
}

QTEST_MAIN(ServicesTest)
#include "test_services.moc"
