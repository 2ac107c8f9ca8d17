#include "progress/historycsv.h"
#include "progress/progressreport.h"
#include "services/activitycatalog.h"
#include "tables/apperror.h"
#include "tests/support/fakes.h"
#include "tests/support/historyfixture.h"
#include "worksheets/curriculum.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace abacolo;
using namespace abacolo::test;

Q_DECLARE_METATYPE(abacolo::HistoryRow)

namespace {

// Thursday; this week began on Monday 2 February, this month on Sunday 1 February.
const QDate Today(2026, 2, 5);

struct Answer
{
    QDate day;
    QString activity;
    QString question;
    bool right;
};

// Practice on 20 January, then every day from 30 January to today, across the month's end.
const QList<Answer> Fixture{
    {{2026, 1, 20}, u"addition"_s, u"7+8"_s, false},
    {{2026, 1, 20}, u"addition"_s, u"7+8"_s, true},
    {{2026, 1, 30}, u"addition"_s, u"2+3"_s, true},
    {{2026, 1, 30}, u"addition"_s, u"7+8"_s, false},
    {{2026, 1, 31}, u"counting"_s, u"数一数 7"_s, true},
    {{2026, 1, 31}, u"counting"_s, u"数一数 7"_s, true},
    {{2026, 2, 1}, u"subtraction"_s, u"9-4"_s, false},
    {{2026, 2, 1}, u"subtraction"_s, u"9-4"_s, false},
    {{2026, 2, 1}, u"subtraction"_s, u"5-1"_s, true},
    {{2026, 2, 2}, u"addition"_s, u"7+8"_s, false},
    {{2026, 2, 2}, u"addition"_s, u"3+3"_s, true},
    {{2026, 2, 2}, u"addition"_s, u"1+1"_s, true},
    {{2026, 2, 3}, u"counting"_s, u"数一数 9"_s, false},
    {{2026, 2, 3}, u"sheet"_s, u"6-2"_s, false},
    {{2026, 2, 3}, u"sheet"_s, u"6+2"_s, true},
    {{2026, 2, 4}, u"subtraction"_s, u"9-4"_s, true},
    {{2026, 2, 4}, u"subtraction"_s, u"8-5"_s, false},
    {{2026, 2, 5}, u"addition"_s, u"7+8"_s, true},
    {{2026, 2, 5}, u"addition"_s, u"4+5"_s, true},
};

// The fixture written through the answer log itself, one answer a minute from nine o'clock,
// and read back.
QList<HistoryRow> fixtureLog(const QString &directory)
{
    FakeClock clock;
    ScriptedDialogs dialogs;
    {
        HistoryLog log(clock, dialogs, directory);
        QDate day;
        QTime time;
        for (const Answer &a : Fixture) {
            time = a.day == day ? time.addSecs(60) : QTime(9, 0);
            day = a.day;
            clock.seconds = QDateTime(day, time).toSecsSinceEpoch();
            log.record({a.activity, a.question, a.right ? u"ok"_s : u"no"_s, a.right, 20'000});
        }
    }
    if (!dialogs.shown.isEmpty())
        qFatal("the fixture log could not be written");
    return HistoryLog::readRows(directory + u"/history.db"_s);
}

QList<HistoryRow> onDays(const QList<QDate> &days)
{
    QList<HistoryRow> rows;
    for (QDate day : days)
        rows.append(answerAt(day, QTime(18, 0), u"counting"_s, u"数一数 3"_s, true));
    return rows;
}

} // namespace

class ProgressReportTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reportOfAFixtureLog();
    void streak_data();
    void streak();
    void practiceTime_data();
    void practiceTime();
    void adviceNamesTheWeakestAndAWorksheetThatTrainsIt_data();
    void adviceNamesTheWeakestAndAWorksheetThatTrainsIt();
    void emptyLogGivesAnEmptyReport();
    void childrensNamesSplitTheLog();
    void csvRoundTrip();
    void csvThatIsNotOursIsRefused_data();
    void csvThatIsNotOursIsRefused();
};

void ProgressReportTest::reportOfAFixtureLog()
{
    QTemporaryDir dir;
    const QList<HistoryRow> rows = fixtureLog(dir.path());
    QCOMPARE(rows.size(), Fixture.size());

    // This week: four days, Monday to today.
    const ProgressReport week = makeReport(rows, Period::Week, Today);
    QCOMPARE(week.span.first, QDate(2026, 2, 2));
    QCOMPARE(week.span.last, Today);
    QCOMPARE(week.days.size(), 4);
    const QList<std::pair<int, int>> rightWrong{{2, 1}, {1, 2}, {1, 1}, {2, 0}};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(week.days[i].span.first, QDate(2026, 2, 2 + i));
        QCOMPARE(std::pair(week.days[i].right, week.days[i].wrong), rightWrong[i]);
    }
    QCOMPARE(week.asked, 10);
    QCOMPARE(week.right, 6);
    // Three answers a minute apart, each 20 s long, on the Monday.
    QCOMPARE(week.days[0].practiceMsecs, 60'000);

    // Activities in the menu's order, each against last week (26 January – 1 February).
    QCOMPARE(week.activities.size(), 4);
    QCOMPARE(week.activities[0].activity, u"counting"_s);
    QCOMPARE(week.activities[0].asked, 1);
    QCOMPARE(week.activities[0].right, 0);
    QCOMPARE(week.activities[0].previousShare, std::optional(1.0));
    QCOMPARE(week.activities[1].activity, u"addition"_s);
    QCOMPARE(std::pair(week.activities[1].asked, week.activities[1].right), std::pair(5, 4));
    QCOMPARE(week.activities[1].previousShare, std::optional(0.5));
    QCOMPARE(week.activities[2].activity, u"subtraction"_s);
    QCOMPARE(week.activities[2].previousShare, std::optional(1.0 / 3));
    QCOMPARE(week.activities[3].activity, u"sheet"_s);
    QCOMPARE(week.activities[3].previousShare, std::nullopt);

    // Hardest: equal counts of wrong answers, the larger share wrong first.
    QStringList hardest;
    for (const QuestionTally &q : week.hardest)
        hardest.append(q.question + u' ' + QString::number(q.asked) + u'/' + QString::number(q.right));
    QCOMPARE(hardest, (QStringList{u"数一数 9 1/0"_s, u"8-5 1/0"_s, u"6-2 1/0"_s, u"7+8 2/1"_s}));

    QCOMPARE(week.streak, 7);   // 30 January to 5 February
    QVERIFY(week.weakest);
    QCOMPARE(week.weakest->activity, u"counting"_s);

    // This month: from Sunday the 1st, against January.
    const ProgressReport month = makeReport(rows, Period::Month, Today);
    QCOMPARE(month.span.first, QDate(2026, 2, 1));
    QCOMPARE(month.days.size(), 5);
    QCOMPARE(month.hardest.first().question, u"9-4"_s);
    QCOMPARE(month.hardest.first().asked, 3);
    QCOMPARE(month.hardest.first().right, 1);
    const auto addition = std::find_if(month.activities.begin(), month.activities.end(),
                                       [](const ActivityTally &t) { return t.activity == u"addition"_s; });
    QCOMPARE(addition->previousShare, std::optional(2.0 / 4));

    // Everything: from the first practice, no period before it.
    const ProgressReport all = makeReport(rows, Period::All, Today);
    QCOMPARE(all.span.first, QDate(2026, 1, 20));
    QCOMPARE(all.days.size(), 17);
    QCOMPARE(all.asked, int(Fixture.size()));
    QCOMPARE(all.hardest.first().question, u"7+8"_s);
    QCOMPARE(all.hardest.first().asked, 5);
    QCOMPARE(all.hardest.first().right, 2);
    for (const ActivityTally &t : all.activities)
        QCOMPARE(t.previousShare, std::nullopt);
    QCOMPARE(all.days[1].asked(), 0);   // 21 January: a day without practice is a bar of its own

    // Beyond a month the bars are weeks from Monday.
    const ProgressReport longer = makeReport(rows, Period::All, QDate(2026, 3, 10));
    QCOMPARE(longer.days.first().span.first, QDate(2026, 1, 20));
    QCOMPARE(longer.days.first().span.last, QDate(2026, 1, 25));
    QCOMPARE(longer.days[1].span.first, QDate(2026, 1, 26));
    QCOMPARE(longer.days[1].asked(), 7);   // 30 January to 1 February
    QCOMPARE(longer.days.last().span.last, QDate(2026, 3, 10));
    QCOMPARE(longer.streak, 0);
}

void ProgressReportTest::streak_data()
{
    QTest::addColumn<QList<QDate>>("days");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<int>("streak");

    QTest::newRow("across a month's end") << QList<QDate>{{2026, 1, 30}, {2026, 1, 31}, {2026, 2, 1}}
                                          << QDate(2026, 2, 1) << 3;
    QTest::newRow("across a year's end") << QList<QDate>{{2025, 12, 31}, {2026, 1, 1}} << QDate(2026, 1, 1) << 2;
    QTest::newRow("a gap ends it") << QList<QDate>{{2026, 1, 27}, {2026, 1, 29}, {2026, 1, 30}}
                                   << QDate(2026, 1, 30) << 2;
    QTest::newRow("today not yet practised") << QList<QDate>{{2026, 2, 27}, {2026, 2, 28}} << QDate(2026, 3, 1) << 2;
    QTest::newRow("yesterday missed") << QList<QDate>{{2026, 2, 27}} << QDate(2026, 3, 1) << 0;
    QTest::newRow("many answers a day, out of order")
        << QList<QDate>{{2026, 3, 2}, {2026, 3, 1}, {2026, 3, 2}, {2026, 2, 28}, {2026, 3, 1}} << QDate(2026, 3, 2) << 3;
    QTest::newRow("leap day") << QList<QDate>{{2028, 2, 28}, {2028, 2, 29}, {2028, 3, 1}} << QDate(2028, 3, 1) << 3;
    QTest::newRow("no practice") << QList<QDate>{} << QDate(2026, 3, 2) << 0;
}

void ProgressReportTest::streak()
{
    QFETCH(QList<QDate>, days);
    QFETCH(QDate, today);
    QFETCH(int, streak);
    QCOMPARE(streakOn(onDays(days), today), streak);
}

void ProgressReportTest::practiceTime_data()
{
    QTest::addColumn<QList<HistoryRow>>("rows");
    QTest::addColumn<qint64>("msecs");

    const QDate day(2026, 3, 2);
    QTest::newRow("one answer") << QList{answerAt(day, QTime(9, 0), u"addition"_s, u"1+1"_s, true, 4000)} << qint64(4000);
    // A sheet reports all its answers at once, each with the whole sheet's time.
    QList<HistoryRow> sheet;
    for (int i = 0; i < 10; ++i)
        sheet.append(answerAt(day, QTime(9, 10), u"sheet"_s, QString::number(i) + u"+1"_s, true, 120'000));
    QTest::newRow("a sheet counts once") << sheet << qint64(120'000);
    QTest::newRow("overlapping answers")
        << QList{answerAt(day, QTime(9, 0, 10), u"addition"_s, u"1+1"_s, true, 15'000),
                 answerAt(day, QTime(9, 0, 20), u"addition"_s, u"1+2"_s, true, 15'000)}
        << qint64(25'000);
    QTest::newRow("a long pause counts five minutes")
        << QList{answerAt(day, QTime(10, 0), u"counting"_s, u"数一数 4"_s, true, 3'600'000)} << qint64(300'000);
}

void ProgressReportTest::practiceTime()
{
    QFETCH(QList<HistoryRow>, rows);
    QFETCH(qint64, msecs);
    QCOMPARE(practiceMsecs(rows), msecs);
}

void ProgressReportTest::adviceNamesTheWeakestAndAWorksheetThatTrainsIt_data()
{
    QTest::addColumn<QString>("activity");
    QTest::addColumn<QString>("question");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("reaching");   // the entry's numbers reach at least this

    QTest::newRow("addition within 20") << u"addition"_s << u"7+8"_s << int(Kind::Addition) << 15;
    QTest::newRow("subtraction") << u"subtraction"_s << u"9-4"_s << int(Kind::Subtraction) << 9;
    QTest::newRow("a sheet's subtraction") << u"sheet"_s << u"12-5"_s << int(Kind::Subtraction) << 12;
    QTest::newRow("a sheet's multiplication") << u"sheet"_s << u"3x4"_s << int(Kind::Multiplication) << 4;
    QTest::newRow("counting nine") << u"counting"_s << u"数一数 9"_s << int(Kind::CountPictures) << 9;
}

void ProgressReportTest::adviceNamesTheWeakestAndAWorksheetThatTrainsIt()
{
    QFETCH(QString, activity);
    QFETCH(QString, question);
    QFETCH(int, kind);
    QFETCH(int, reaching);

    const QDate day(2026, 3, 2);
    const QList<HistoryRow> rows{
        answerAt(day, QTime(9, 0), activity, question, false),
        answerAt(day, QTime(9, 1), activity, question, true),
        answerAt(day, QTime(9, 2), u"ordering"_s, u"1→5"_s, true),
    };
    const ProgressReport report = makeReport(rows, Period::Week, day);
    QCOMPARE(report.weakest->activity, activity);
    QVERIFY(report.practice);
    QCOMPARE(int(report.practice->recipe.kind), kind);
    const int reach = report.practice->recipe.limit > 0 ? report.practice->recipe.limit : report.practice->recipe.high;
    QVERIFY2(reach >= reaching, qPrintable(report.practice->caption));
    // The easiest such entry: none before it of that kind reaches as far.
    for (const CurriculumEntry &entry : curriculum()) {
        if (&entry == report.practice)
            break;
        if (int(entry.recipe.kind) == kind)
            QVERIFY((entry.recipe.limit > 0 ? entry.recipe.limit : entry.recipe.high) < reaching);
    }
    const QString advice = adviceText(report);
    QVERIFY2(advice.contains(u"“"_s + activityName(activity) + u"”答对的比例最低（50%）"_s), qPrintable(advice));
    QVERIFY2(advice.contains(report.practice->caption), qPrintable(advice));
}

void ProgressReportTest::emptyLogGivesAnEmptyReport()
{
    const ProgressReport report = makeReport({}, Period::Month, Today);
    QCOMPARE(report.days.size(), 5);
    for (const DayTally &day : report.days)
        QCOMPARE(day.asked(), 0);
    QVERIFY(report.activities.isEmpty());
    QVERIFY(report.hardest.isEmpty());
    QCOMPARE(report.streak, 0);
    QVERIFY(!report.weakest);
    QVERIFY(!report.practice);
    QVERIFY(adviceText(report).contains(u"还没有答题记录"_s));
    QCOMPARE(makeReport({}, Period::All, Today).days.size(), 1);
}

void ProgressReportTest::childrensNamesSplitTheLog()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"history.db"_s);
    // A log from before names existed.
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"old"_s);
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery query(db);
        QVERIFY(query.exec(u"CREATE TABLE history (id INTEGER PRIMARY KEY, answered_at TEXT NOT NULL,"
                           " activity TEXT NOT NULL, question TEXT NOT NULL, answer TEXT NOT NULL,"
                           " is_right INTEGER NOT NULL, msecs_taken INTEGER NOT NULL)"_s));
        QVERIFY(query.exec(u"INSERT INTO history VALUES (1, '2026-03-01T09:00:00', 'addition', '1+1', '2', 1, 900)"_s));
        db.close();
    }
    QSqlDatabase::removeDatabase(u"old"_s);
    QCOMPARE(HistoryLog::readRows(path).first().child, QString());   // read before any write
    QCOMPARE(HistoryLog::currentChild(path), QString());

    FakeClock clock;
    ScriptedDialogs dialogs;
    HistoryLog log(clock, dialogs, dir.path());
    log.record({u"addition"_s, u"1+2"_s, u"3"_s, true, 800});
    HistoryLog::setCurrentChild(path, u"小明"_s);
    log.record({u"addition"_s, u"2+2"_s, u"4"_s, true, 800});
    HistoryLog::setCurrentChild(path, u"小红"_s);
    log.record({u"counting"_s, u"数一数 5"_s, u"5"_s, false, 800});
    HistoryLog::setCurrentChild(path, u"小明"_s);
    log.record({u"addition"_s, u"3+2"_s, u"5"_s, true, 800});
    QVERIFY(dialogs.shown.isEmpty());
    QCOMPARE(HistoryLog::currentChild(path), u"小明"_s);

    const QList<HistoryRow> rows = HistoryLog::readRows(path);
    QStringList written;
    for (const HistoryRow &row : rows)
        written.append(row.answered.question + u':' + row.child);
    QCOMPARE(written, (QStringList{u"1+1:"_s, u"1+2:"_s, u"2+2:小明"_s, u"数一数 5:小红"_s, u"3+2:小明"_s}));
    QCOMPARE(childrenOf(rows), (QStringList{u"小明"_s, u"小红"_s}));
    QCOMPARE(rowsOfChild(rows, u"小明"_s).size(), 2);
    QCOMPARE(rowsOfChild(rows, u"小红"_s).size(), 1);
    QCOMPARE(rowsOfChild(rows, std::nullopt).size(), 5);
}

void ProgressReportTest::csvRoundTrip()
{
    const QDate day(2026, 3, 2);
    QList<HistoryRow> rows{
        answerAt(day, QTime(9, 0, 1), u"addition"_s, u"7+8"_s, false, 4321, u"小明"_s),
        answerAt(day, QTime(9, 0, 2), u"ordering"_s, u"1→5, 2→4"_s, true, 0, u"Anna \"Bee\""_s),
        answerAt(day, QTime(23, 59, 59), u"sheet"_s, u"line\nbreak,\r\nand more"_s, true, 61'000),
        answerAt(day, QTime(0, 0), u"future-activity"_s, QString(), false, 1),
    };
    rows[0].answered.answer = u"14"_s;
    rows[1].answered.answer = u"\"quoted\""_s;
    rows[2].answered.answer = QString();

    QTemporaryDir dir;
    const QString path = dir.filePath(u"记录.csv"_s);
    saveHistoryCsv(path, rows);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray csv = file.readAll();
    QVERIFY(csv.startsWith("\xEF\xBB\xBF"));
    QVERIFY(csv.contains(u"2026-03-02 09:00:01,小明,加法训练,addition,7+8,14,错,4321\r\n"_s.toUtf8()));

    const QList<HistoryRow> back = rowsFromCsv(csv);
    QCOMPARE(back.size(), rows.size());
    for (qsizetype i = 0; i < rows.size(); ++i) {
        QCOMPARE(back[i].answeredAt, rows[i].answeredAt);
        QCOMPARE(back[i].child, rows[i].child);
        QCOMPARE(back[i].answered.activity, rows[i].answered.activity);
        QCOMPARE(back[i].answered.question, rows[i].answered.question);
        QCOMPARE(back[i].answered.answer, rows[i].answered.answer);
        QCOMPARE(back[i].answered.right, rows[i].answered.right);
        QCOMPARE(back[i].answered.msecsTaken, rows[i].answered.msecsTaken);
    }
    QCOMPARE(rowsFromCsv(historyCsv({})).size(), 0);
}

void ProgressReportTest::csvThatIsNotOursIsRefused_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QString>("message");

    const QByteArray header = historyCsv({});
    QTest::newRow("no byte order mark") << header.mid(3) << u"开头缺少 UTF-8 标记"_s;
    QTest::newRow("another header") << QByteArray("\xEF\xBB\xBF" "a,b,c\r\n") << u"第一行不是表头"_s;
    QTest::newRow("a short line") << header + u"2026-03-02 09:00:01,小明,加法训练\r\n"_s.toUtf8()
                                  << u"第 2 行无法读取：应有 8 列，实际 3 列"_s;
    QTest::newRow("a bad time") << header + u"昨天,小明,加法训练,addition,1+1,2,对,5\r\n"_s.toUtf8()
                                << u"第 2 行无法读取：时间 “昨天” 不对"_s;
    QTest::newRow("neither right nor wrong") << header + u"2026-03-02 09:00:01,,加法训练,addition,1+1,2,yes,5\r\n"_s.toUtf8()
                                             << u"第 2 行无法读取：对错一栏"_s;
}

void ProgressReportTest::csvThatIsNotOursIsRefused()
{
    QFETCH(QByteArray, csv);
    QFETCH(QString, message);
    try {
        rowsFromCsv(csv);
        QFAIL("read");
    } catch (const AppError &e) {
        QVERIFY2(e.message().contains(message), qPrintable(e.message()));
    }
}

QTEST_MAIN(ProgressReportTest)
#include "test_progressreport.moc"
