// The shared services: random drawings, the handler boundary and its hold, progress counters,
// cues.
#include "services/random.h"
#include "services/soundcues.h"
#include "services/sysdatamoudle.h"
#include "shell/mainform.h"
#include "tables/apperror.h"
#include "tables/tables.h"
#include "tests/support/testworld.h"
#include "toolkit/handlers.h"
#include "toolkit/timer.h"

#include <QPushButton>
#include <QTest>

#include <limits>

using namespace Qt::StringLiterals;
using namespace abacolo;
using namespace abacolo::test;

class ServicesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void randomRepeatsForTheSameSecond();
    void handlerErrorIsReportedAndTheRestSkipped();
    void heldHandlersRunAfterTheHold();
    void countersAddUpAcrossRuns();
    void counterFailsWithoutItsTable_data();
    void counterFailsWithoutItsTable();
    void counterAtItsLargestValueRefusesToWrap();
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

void ServicesTest::heldHandlersRunAfterTheHold()
{
    // Clicks made during a hold all run afterwards, in the order they were made.
    QStringList clicks;
    QPushButton one;
    QPushButton two;
    onEvent(&one, &QPushButton::clicked, &one, [&](bool) { clicks.append(u"one"_s); });
    onEvent(&two, &QPushButton::clicked, &two, [&](bool) { clicks.append(u"two"_s); });
    {
        HandlerGate::Hold hold;
        one.click();
        two.click();
        one.click();
        QVERIFY(clicks.isEmpty());
    }
    QVERIFY(clicks.isEmpty()); // not inside the handler that held the gate
    QTRY_COMPARE(clicks, (QStringList{u"one"_s, u"two"_s, u"one"_s}));

    // Notices of one source during a hold (a timer's ticks) fold into the last one.
    QStringList notices;
    const int source = 0;
    {
        HandlerGate::Hold hold;
        HandlerGate::run(&source, [&] { notices.append(u"first"_s); });
        HandlerGate::run(&source, [&] { notices.append(u"second"_s); });
    }
    QTRY_COMPARE(notices, QStringList{u"second"_s});
    QCoreApplication::processEvents();
    QCOMPARE(notices, QStringList{u"second"_s});

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

void ServicesTest::counterAtItsLargestValueRefusesToWrap()
{
    TestWorld world;
    world.start();
    constexpr qint64 Largest = std::numeric_limits<qint64>::max();
    Table &table = *DataModule1->Table1;
    table.edit();
    table.fieldByName(u"num4"_s).setAsVariant(Largest);
    table.post();

    try {
        world.counters.IncrementCounter(u"num4"_s);
        QFAIL("an increment past the largest value was stored");
    } catch (const AppError &e) {
        QVERIFY2(e.message().contains(u"num4"_s) && e.message().contains(u"最大值"_s),
                 qPrintable(e.message()));
    }
    QVERIFY(!table.editing());
    Table check(world.session, u"sys.db"_s, nullptr);
    check.setDatabaseName(world.dataDir());
    check.open();
    QCOMPARE(check.fieldByName(u"num4"_s).asVariant().toLongLong(), Largest);
}

void ServicesTest::aNewCueCutsOffThePlayingOne()
{
    SoundCues cues;
    QCOMPARE(cues.names().size(), 208); // 13 cues and 195 requests of the activities
    cues.PlayCue(u"VRight"_s);
    QCOMPARE(cues.current(), u"vright"_s);
    cues.PlayCue(u"vwrong"_s);
    QCOMPARE(cues.current(), u"vwrong"_s);
    cues.PlayCue(u"no-such-cue"_s); // silent, no error
    QCOMPARE(cues.current(), u"no-such-cue"_s);
}

QTEST_MAIN(ServicesTest)
#include "test_services.moc"
