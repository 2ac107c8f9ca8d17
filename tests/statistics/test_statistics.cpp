// The statistics window: the colour rows' buttons, the stored counts and the two charts.
#include "statistics/countcharts.h"
#include "statistics/countsource.h"
#include "statistics/tongji.h"
#include "tables/tables.h"
#include "tests/support/testworld.h"
#include "toolkit/skinframe.h"

#include <QPieSeries>
#include <QPieSlice>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>
#include <QValueAxis>

#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;
using namespace abacolo;
using namespace abacolo::test;

using Counts = QList<qint64>;

namespace {

const QString CountsFile = u"subtration.DB"_s;

// The counts as the file holds them, read with a table component of our own.
Counts storedCounts(const TestWorld &world)
{
    TableSession session;
    session.addPassword(TablePassword);
    Table table(session, CountsFile, nullptr);
    table.setDatabaseName(world.dataDir());
    table.open();
    Counts counts;
    for (int i = 0; i < table.recordCount(); ++i) {
        if (i > 0)
            table.next();
        counts.append(table.fieldByName(u"Num1"_s).asVariant().toLongLong());
    }
    return counts;
}

// Writes counts into the file's first records, with a table component of our own.
void storeCounts(const TestWorld &world, const Counts &counts)
{
    TableSession session;
    session.addPassword(TablePassword);
    Table table(session, CountsFile, nullptr);
    table.setDatabaseName(world.dataDir());
    table.open();
    for (qsizetype i = 0; i < counts.size(); ++i) {
        if (i > 0)
            table.next();
        table.edit();
        table.fieldByName(u"Num1"_s).setAsVariant(counts.at(i));
        table.post();
    }
}

// Runs SQL on the counts file behind the table engine's back.
void alterFile(const TestWorld &world, const QString &sql)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"alter"_s);
        db.setDatabaseName(world.tablePath(CountsFile));
        QVERIFY(db.open());
        QSqlQuery query(db);
        QVERIFY2(query.exec(sql), qPrintable(query.lastError().text()));
    }
    QSqlDatabase::removeDatabase(u"alter"_s);
}

QPushButton *button(int n)
{
    return Form17->findChild<QPushButton *>(u"suiButton"_s + QString::number(n));
}

void press(int n)
{
    QPushButton *b = button(n);
    QVERIFY(b);
    QTest::mouseClick(b, Qt::LeftButton);
}

void openWindow(TestWorld &world)
{
    world.start();
    Form17->Show();
    QCoreApplication::processEvents();
}

Counts pieLabels()
{
    Counts labels;
    for (const QPieSlice *slice : Form17->Series1->slices())
        labels.append(slice->label().toLongLong());
    return labels;
}

QList<qreal> asReals(const Counts &counts)
{
    QList<qreal> reals;
    for (qint64 c : counts)
        reals.append(qreal(c));
    return reals;
}

// Both charts show exactly these counts.
void verifyChartsShow(const Counts &counts)
{
    QCOMPARE(Form17->DBChart2->values(), asReals(counts));
    QStringList texts;
    for (qint64 c : counts)
        texts.append(QString::number(c));
    QCOMPARE(Form17->DBChart2->markTexts(), texts);
    QCOMPARE(pieLabels(), counts);
    const QList<QPieSlice *> slices = Form17->Series1->slices();
    for (qsizetype i = 0; i < counts.size(); ++i) {
        QCOMPARE(slices.at(i)->value(), qreal(std::max<qint64>(counts.at(i), 0)));
        QCOMPARE(slices.at(i)->color(), countColour(int(i) + 1));
    }
}

} // namespace

class StatisticsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aButtonChangesItsRowsRecordOnDisk_data();
    void aButtonChangesItsRowsRecordOnDisk();
    void plusThenMinusLeavesTheCountAndStoresBoth();
    void countsSurviveClosingAndARestart();
    void chartsFollowTheTable();
    void aChangeWhileTheWindowIsClosedShowsWhenItOpens();
    void radioButtonsShowOneChartEachAndChangeNoCount();
    void aTableThatFailedToOpenIsReportedAndTheWindowStaysUsable();
    void aMissingRecordIsReportedNotCountedElsewhere_data();
    void aMissingRecordIsReportedNotCountedElsewhere();
    void chartsStayReadableWithNegativeAndZeroCounts_data();
    void chartsStayReadableWithNegativeAndZeroCounts();
    void aStepPastTheLimitsIsRefusedAndNothingStored_data();
    void aStepPastTheLimitsIsRefusedAndNothingStored();
    void theValueAxisNeverHoldsMoreThanAFewDozenTicks();
};

void StatisticsTest::aButtonChangesItsRowsRecordOnDisk_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("record");
    QTest::addColumn<int>("step");

    QTest::newRow("+ on the red row") << 4 << 1 << 1;
    QTest::newRow("+ on the gray top row") << 2 << 6 << 1;
    QTest::newRow("- on a count of 0 (green)") << 5 << 2 << -1;
    QTest::newRow("+ on the yellow row") << 8 << 3 << 1;
    QTest::newRow("- on the blue row") << 9 << 4 << -1;
    QTest::newRow("+ on the white bottom row") << 12 << 5 << 1;
}

void StatisticsTest::aButtonChangesItsRowsRecordOnDisk()
{
    QFETCH(int, button);
    QFETCH(int, record);
    QFETCH(int, step);
    TestWorld world;
    openWindow(world);
    Counts expected(6, 0);
    QCOMPARE(storedCounts(world), expected);

    press(button);
    expected[record - 1] += step;
    QCOMPARE(storedCounts(world), expected); // on disk when the press returns
    QCOMPARE(Form17->Table1->recordNumber(), record);
    verifyChartsShow(expected);
    QVERIFY(world.dialogs.shown.isEmpty());
}

void StatisticsTest::plusThenMinusLeavesTheCountAndStoresBoth()
{
    TestWorld world;
    openWindow(world);
    press(10); // "+" blue, record 4
    QCOMPARE(storedCounts(world), (Counts{0, 0, 0, 1, 0, 0}));
    press(9);  // "-" blue
    QCOMPARE(storedCounts(world), (Counts{0, 0, 0, 0, 0, 0}));
    press(9);
    QCOMPARE(storedCounts(world), (Counts{0, 0, 0, -1, 0, 0}));
    verifyChartsShow({0, 0, 0, -1, 0, 0});
}

void StatisticsTest::countsSurviveClosingAndARestart()
{
    TestWorld world;
    openWindow(world);
    for (int n : {4, 4, 4, 2, 11})
        press(n);
    const Counts expected{3, 0, 0, 0, -1, 1};
    QCOMPARE(storedCounts(world), expected);

    QVERIFY(Form17->close());
    Form17->Show();
    QCoreApplication::processEvents();
    verifyChartsShow(expected);

    world.stop();
    QCOMPARE(storedCounts(world), expected);
    openWindow(world);
    verifyChartsShow(expected);
    press(4);
    QCOMPARE(storedCounts(world), (Counts{4, 0, 0, 0, -1, 1}));
}

void StatisticsTest::chartsFollowTheTable()
{
    TestWorld world;
    openWindow(world);
    press(8); // yellow, record 3: the table stays there
    QCOMPARE(Form17->Table1->recordNumber(), 3);

    // A change made elsewhere shows once the table moves, and reading the counts for the
    // charts leaves the table on the record it was on.
    storeCounts(world, {2, 7, 1, 0, 0, 5});
    Form17->Table1->moveBy(1);
    QTRY_COMPARE(Form17->DBChart2->values(), (QList<qreal>{2, 7, 1, 0, 0, 5}));
    verifyChartsShow({2, 7, 1, 0, 0, 5});
    QCOMPARE(Form17->Table1->recordNumber(), 4);
    QVERIFY(!Form17->DBChart1->showsNoDataNote());
    QVERIFY(!Form17->DBChart2->showsNoDataNote());
}

void StatisticsTest::aChangeWhileTheWindowIsClosedShowsWhenItOpens()
{
    TestWorld world;
    openWindow(world);
    press(4);
    verifyChartsShow({1, 0, 0, 0, 0, 0});
    QVERIFY(Form17->close());

    // The table moves while nobody sees the charts; the counts read then are drawn on opening.
    storeCounts(world, {2, 7, 1, 0, 0, 5});
    Form17->Table1->moveBy(1);
    QCoreApplication::processEvents(); // the counts are read on the loop's next turn
    Form17->Show();
    verifyChartsShow({2, 7, 1, 0, 0, 5});
    QVERIFY(!Form17->DBChart1->showsNoDataNote());
}

void StatisticsTest::radioButtonsShowOneChartEachAndChangeNoCount()
{
    TestWorld world;
    storeCounts(world, {1, 2, 3, 4, 5, 6});
    openWindow(world);
    QCOMPARE(Form17->height(), 768);
    QCOMPARE(Form17->DBChart1->chartItem()->title(), u"Pie 统计图"_s);
    QCOMPARE(Form17->DBChart2->chartItem()->title(), u"Bar 统计图"_s);

    // At start the bar chart lies in front and its switch is on.
    QVERIFY(Form17->RadioButton2->isChecked());
    QVERIFY(!Form17->RadioButton1->isChecked());
    QVERIFY(Form17->DBChart2->isVisible());
    const QObjectList order = Form17->suiForm1->children();
    QVERIFY(order.indexOf(Form17->DBChart2) > order.indexOf(Form17->DBChart1));

    QTest::mouseClick(Form17->RadioButton1, Qt::LeftButton);
    QVERIFY(Form17->DBChart1->isVisible());
    QVERIFY(!Form17->DBChart2->isVisible());
    QVERIFY(Form17->RadioButton1->isChecked() && !Form17->RadioButton2->isChecked());
    Form17->DBChart1->grab(); // the pie paints

    QTest::mouseClick(Form17->RadioButton2, Qt::LeftButton);
    QVERIFY(!Form17->DBChart1->isVisible());
    QVERIFY(Form17->DBChart2->isVisible());
    QVERIFY(Form17->RadioButton2->isChecked() && !Form17->RadioButton1->isChecked());

    QCOMPARE(storedCounts(world), (Counts{1, 2, 3, 4, 5, 6}));
    verifyChartsShow({1, 2, 3, 4, 5, 6});
}

void StatisticsTest::aTableThatFailedToOpenIsReportedAndTheWindowStaysUsable()
{
    TestWorld world({u"sys.db"_s, u"fillblank.db"_s, u"changcolor.db"_s});
    openWindow(world);
    QVERIFY(!Form17->Table1->active());
    QVERIFY(Form17->DBChart1->showsNoDataNote());
    QVERIFY(Form17->DBChart2->showsNoDataNote());
    QVERIFY(Form17->DBChart2->values().isEmpty());
    QVERIFY(Form17->Series1->slices().isEmpty());

    press(4);
    QCOMPARE(world.dialogs.errors().size(), 1);
    QVERIFY2(world.dialogs.errors().first().contains(u"subtration.DB"_s),
             qPrintable(world.dialogs.errors().first()));
    QVERIFY(Form17->isVisible());

    // Still usable: the charts switch, and the next press is reported the same way.
    QTest::mouseClick(Form17->RadioButton1, Qt::LeftButton);
    QVERIFY(Form17->DBChart1->isVisible());
    Form17->DBChart1->grab();
    press(11);
    QCOMPARE(world.dialogs.errors().size(), 2);
    QVERIFY(Form17->isVisible());
}

void StatisticsTest::aMissingRecordIsReportedNotCountedElsewhere_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<int>("button");
    QTest::addColumn<Counts>("remaining");

    QTest::newRow("five records, + on the gray row (record 6)")
        << u"DELETE FROM subtration WHERE rowid = (SELECT MAX(rowid) FROM subtration)"_s << 2
        << Counts{0, 0, 0, 0, 0};
    QTest::newRow("no records, + on the red row") << u"DELETE FROM subtration"_s << 4 << Counts{};
}

void StatisticsTest::aMissingRecordIsReportedNotCountedElsewhere()
{
    QFETCH(QString, sql);
    QFETCH(int, button);
    QFETCH(Counts, remaining);
    TestWorld world;
    alterFile(world, sql);
    openWindow(world);

    press(button);
    QCOMPARE(world.dialogs.errors().size(), 1);
    QVERIFY(!Form17->Table1->editing());
    QCOMPARE(storedCounts(world), remaining);
    verifyChartsShow(remaining);
}

void StatisticsTest::chartsStayReadableWithNegativeAndZeroCounts_data()
{
    QTest::addColumn<Counts>("counts");
    QTest::newRow("mixed") << Counts{3, 0, -2, 5, 1, 0};
    QTest::newRow("all zero") << Counts{0, 0, 0, 0, 0, 0};
    QTest::newRow("all negative") << Counts{-1, -4, -1, -2, -9, -1};
    QTest::newRow("one positive") << Counts{0, -1, 0, 0, 2, 0};
    QTest::newRow("large") << Counts{1200, 35, 0, 480, 9, 77};
}

void StatisticsTest::chartsStayReadableWithNegativeAndZeroCounts()
{
    QFETCH(Counts, counts);
    TestWorld world;
    storeCounts(world, counts);
    openWindow(world);
    verifyChartsShow(counts);

    const bool anyPositive = std::any_of(counts.begin(), counts.end(), [](qint64 c) { return c > 0; });
    QCOMPARE(Form17->DBChart1->showsNoDataNote(), !anyPositive);
    QVERIFY(!Form17->DBChart2->showsNoDataNote());
    // A value mark on every slice that is drawn; none dangling from an empty one.
    const QList<QPieSlice *> slices = Form17->Series1->slices();
    for (qsizetype i = 0; i < counts.size(); ++i)
        QCOMPARE(slices.at(i)->isLabelVisible(), counts.at(i) > 0);

    // Both charts paint, and a press from here still counts on.
    Form17->DBChart2->grab();
    QTest::mouseClick(Form17->RadioButton1, Qt::LeftButton);
    Form17->DBChart1->grab();
    press(3); // "-" on red
    counts[0] -= 1;
    QCOMPARE(storedCounts(world), counts);
    verifyChartsShow(counts);
    Form17->DBChart1->grab();
    QVERIFY(world.dialogs.shown.isEmpty());
}

void StatisticsTest::aStepPastTheLimitsIsRefusedAndNothingStored_data()
{
    QTest::addColumn<qint64>("count");
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("why");
    QTest::newRow("+ at the largest count") << std::numeric_limits<qint64>::max() << 4
                                            << u"最大值"_s;
    QTest::newRow("- at the smallest count") << std::numeric_limits<qint64>::min() << 3
                                             << u"最小值"_s;
}

void StatisticsTest::aStepPastTheLimitsIsRefusedAndNothingStored()
{
    QFETCH(qint64, count);
    QFETCH(int, button);
    QFETCH(QString, why);
    TestWorld world;
    const Counts counts{count, 0, 0, 0, 0, 0};
    storeCounts(world, counts);
    openWindow(world);

    press(button); // on the red row: record 1
    QCOMPARE(world.dialogs.errors().size(), 1);
    QVERIFY2(world.dialogs.errors().first().contains(why), qPrintable(world.dialogs.errors().first()));
    QVERIFY(!Form17->Table1->editing());
    QCOMPARE(storedCounts(world), counts);
    verifyChartsShow(counts);
}

void StatisticsTest::theValueAxisNeverHoldsMoreThanAFewDozenTicks()
{
    TestWorld world;
    openWindow(world);
    const QList<QAbstractAxis *> axes = Form17->DBChart2->chart()->axes(Qt::Vertical);
    QCOMPARE(axes.size(), 1);
    auto *axis = qobject_cast<QValueAxis *>(axes.first());
    QVERIFY(axis);

    // The axis lays out its ticks at each of these signals: check what it would lay out.
    double mostTicks = 0;
    int changes = 0;
    auto check = [&] {
        ++changes;
        mostTicks = std::max(mostTicks, (axis->max() - axis->min()) / axis->tickInterval());
    };
    connect(axis, &QValueAxis::rangeChanged, this, check);
    connect(axis, &QValueAxis::minChanged, this, check);
    connect(axis, &QValueAxis::maxChanged, this, check);
    connect(axis, &QValueAxis::tickIntervalChanged, this, check);

    for (const qint64 count : {qint64(0), qint64(1'000), qint64(100'000), qint64(2'147'483'647),
                               qint64(-100'000), qint64(3)}) {
        const Counts counts{count, 0, 0, 0, 0, 0};
        storeCounts(world, counts);
        Form17->DataSource1->refresh();
        QCoreApplication::processEvents();
        verifyChartsShow(counts); // shown by the stored value, however large
        QVERIFY2(mostTicks <= 40, qPrintable(u"count %1: %2 ticks"_s.arg(count).arg(mostTicks)));
        QVERIFY(axis->min() <= double(std::min<qint64>(count, 0)));
        QVERIFY(axis->max() >= double(count));
    }
    QVERIFY(changes > 0);
}

QTEST_MAIN(StatisticsTest)
#include "test_statistics.moc"
