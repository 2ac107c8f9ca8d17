// The answer log: what each activity reports for an answered question, and the file
// "history.db" that keeps it.
#include "services/historylog.h"
#include "services/random.h"
#include "sheets/doitmyself.h"
#include "sheets/games4_1.h"
#include "shell/mainform.h"
#include "tests/support/testworld.h"
#include "toolkit/bevel.h"
#include "toolkit/colourtile.h"
#include "toolkit/dbedit.h"
#include "toolkit/picturecard.h"
#include "training/addtrain.h"
#include "training/game_num1.h"
#include "training/jianftrain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace abacolo;
using namespace abacolo::test;

namespace {

// A row as the tests expect it: the fields (a null answer is not compared), and the cue last
// played when it was written (empty: none yet).
struct Expected
{
    QString question;
    QString answer;
    bool right;
    qint64 msecsTaken;
    QString cueBefore;
};

using Drive = std::function<QList<Expected>(TestWorld &world)>;

QList<Expected> answerCounting(TestWorld &world)
{
    world.clock.seconds = secondGiving(3, 6);
    Form2->Button1Click();   // seven pictures
    world.clock.elapsed += 1500;
    Form2->SpeedButton4Click();
    world.clock.elapsed += 500;
    Form2->SpeedButton7Click();
    return {{u"数一数 7"_s, u"4"_s, false, 1500, u"vwrong"_s},
            {u"数一数 7"_s, u"7"_s, true, 2000, u"vright"_s}};
}

// Clicks a number button of the addition (0 … 10) or subtraction (−10 … 10) training.
void press(Form *training, int number)
{
    const QString name = number < 0 ? u"SpeedButton"_s + QString::number(-number)
                                    : u"suiButton"_s + QString::number(number + 1);
    auto *button = training->findChild<QAbstractButton *>(name);
    QVERIFY2(button, qPrintable(name));
    button->click();
}

// Another answer on the same keypad.
int wrongFor(int right)
{
    return right < 10 ? right + 1 : right - 1;
}

QList<Expected> answerAddition(TestWorld &world)
{
    Form14->FormActivate();
    const int sum = Form14->firstCount + Form14->secondCount;
    const QString question = QString::number(Form14->firstCount) + u'+'
        + QString::number(Form14->secondCount);
    world.clock.elapsed += 2500;
    press(Form14, wrongFor(sum));
    world.clock.elapsed += 1000;
    press(Form14, sum);
    return {{question, QString::number(wrongFor(sum)), false, 2500, u"vwrong"_s},
            {question, QString::number(sum), true, 3500, u"vright"_s}};
}

QList<Expected> answerSubtraction(TestWorld &world)
{
    Form25->FormActivate();
    const int difference = Form25->firstCount - Form25->secondCount;
    const QString question = QString::number(Form25->firstCount) + u'-'
        + QString::number(Form25->secondCount);
    world.clock.elapsed += 3000;
    press(Form25, wrongFor(difference));   // the addition training's wrong answer
    world.clock.elapsed += 1000;
    press(Form25, difference);
    return {{question, QString::number(wrongFor(difference)), false, 3000, u"vwrong"_s},
            {question, QString::number(difference), true, 4000, u"vright"_s}};
}

QList<Expected> answerSheet(TestWorld &world)
{
    world.dialogs.answers = {Dialogs::Answer::Yes};
    Form10->FormActivate();
    Form10->suiButton1Click();   // a new addition sheet
    world.clock.elapsed += 60'000;
    QList<Expected> rows;
    for (int k = 1; k <= 10; ++k) {
        const int first = Form10->suiDBEdit(2 * k - 1)->text().toInt();
        const int second = Form10->suiDBEdit(2 * k)->text().toInt();
        const int given = k == 3 ? first + second + 1 : first + second;
        Form10->suiEdit(k)->setText(QString::number(given));
        rows.append({QString::number(first) + u'+' + QString::number(second), QString::number(given),
                     k != 3, 60'000, u"cat"_s});
    }
    Form10->suiButton2Click();
    return rows;
}

// Drops a control into a box and lets it go, as a drag would end there.
template<typename Control>
void dropInto(Control *control, const Bevel *box, void (TForm5::*mouseUp)(QWidget *))
{
    control->move(box->pos() + QPoint(4, 4));
    (Form5->*mouseUp)(control);
}

QList<Expected> answerOrdering(TestWorld &world)
{
    games4_1::orderTheme = 1;
    world.clock.seconds = secondGiving(1, 5);
    Form5->suiButton2Click();   // Image1 stands under box 2, Image2 under box 1
    const QString question = Form5->Label1->text() + u"→"_s + Form5->Label5->text();
    world.clock.elapsed += 4000;
    const std::array<PictureCard *, 5> pictures{Form5->Image1, Form5->Image2, Form5->Image3,
                                                Form5->Image4, Form5->Image5};
    const std::array<Bevel *, 5> boxes{Form5->Bevel1, Form5->Bevel2, Form5->Bevel3, Form5->Bevel4,
                                       Form5->Bevel5};
    dropInto(pictures[0], boxes[0], &TForm5::Image1MouseUp);   // two pictures in box 1
    dropInto(pictures[0], boxes[0], &TForm5::Image1MouseUp);   // nothing changed: no answer
    for (size_t k = 1; k < 5; ++k)
        dropInto(pictures[k], boxes[k], &TForm5::Image1MouseUp);
    // Only the last answer is known without restating the arrangements.
    return {{question, QString(), false, 4000, QString()},
            {question, u"12345"_s, true, 4000, u"vright"_s}};
}

QList<Expected> answerColouring(TestWorld &world)
{
    world.clock.seconds = secondGiving(0, 6);
    Form5->suiButton5Click();
    world.clock.elapsed += 7000;
    const std::array<ColourTile *, 7> tiles{Form5->Image6, Form5->Image7, Form5->Image8, Form5->Image9,
                                            Form5->Image10, Form5->Image11, Form5->Image12};
    const std::array<Bevel *, 7> boxes{Form5->Bevel6, Form5->Bevel7, Form5->Bevel8, Form5->Bevel9,
                                       Form5->Bevel10, Form5->Bevel11, Form5->Bevel12};
    for (size_t i = 0; i < 7; ++i)
        dropInto(tiles[i], boxes[i], &TForm5::Image6MouseUp);
    // Boxes from the left are Bevel12 … Bevel6: the tiles 7 … 1.
    return {{u"颜色配对"_s, QString(), false, 7000, QString()},
            {u"颜色配对"_s, u"7654321"_s, true, 7000, u"vright"_s}};
}

// The second process of the two-copies test: writes `count` rows tagged `tag` to the log in
// `folder`; fails if the log reported any trouble.
int writeHistory(const QString &folder, int count, const QString &tag)
{
    FakeClock clock;
    ScriptedDialogs dialogs;
    HistoryLog log(clock, dialogs, folder);
    for (int i = 0; i < count; ++i)
        log.record({tag, QString::number(i), QString::number(i), true, i});
    return dialogs.shown.isEmpty() ? 0 : 1;
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A log file with three rows, as bytes.
QByteArray historyWithRows()
{
    QTemporaryDir dir;
    FakeClock clock;
    ScriptedDialogs dialogs;
    {
        HistoryLog log(clock, dialogs, dir.path());
        for (int i = 0; i < 3; ++i)
            log.record({u"counting"_s, u"数一数 5"_s, u"5"_s, true, 100});
    }
    return readBytes(dir.filePath(u"history.db"_s));
}

} // namespace

Q_DECLARE_METATYPE(Drive)

class AnswerLogTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyActivityReportsItsAnswersOnceItsCueStarted_data();
    void everyActivityReportsItsAnswersOnceItsCueStarted();
    void historyKeepsEveryFieldOnDisk();
    void twoCopiesAnsweringAtOnceLoseNoRow();
    void damagedHistoryIsReportedOnceAndLeftAsItIs_data();
    void damagedHistoryIsReportedOnceAndLeftAsItIs();
};

void AnswerLogTest::everyActivityReportsItsAnswersOnceItsCueStarted_data()
{
    QTest::addColumn<QString>("activity");
    QTest::addColumn<Drive>("drive");
    QTest::addColumn<bool>("onlyEnds");   // only the first and last rows are known
    QTest::newRow("counting") << u"counting"_s << Drive(answerCounting) << false;
    QTest::newRow("addition") << u"addition"_s << Drive(answerAddition) << false;
    QTest::newRow("subtraction") << u"subtraction"_s << Drive(answerSubtraction) << false;
    QTest::newRow("sheet") << u"sheet"_s << Drive(answerSheet) << false;
    QTest::newRow("ordering") << u"ordering"_s << Drive(answerOrdering) << true;
    QTest::newRow("colouring") << u"colouring"_s << Drive(answerColouring) << true;
}

void AnswerLogTest::everyActivityReportsItsAnswersOnceItsCueStarted()
{
    QFETCH(QString, activity);
    QFETCH(Drive, drive);
    QFETCH(bool, onlyEnds);

    TestWorld world;
    world.start();
    QStringList cuesAtRecord;
    world.answers.onRecord = [&](const AnsweredQuestion &) {
        cuesAtRecord.append(world.cues.played.isEmpty() ? QString() : world.cues.played.last());
    };
    const QList<Expected> expected = drive(world);
    const QList<AnsweredQuestion> &recorded = world.answers.recorded;

    QVERIFY(!recorded.isEmpty());
    QList<int> compared;
    if (onlyEnds) {
        compared = {0, int(recorded.size()) - 1};
        // Every drop in between changed the arrangement and was not yet right.
        for (qsizetype i = 1; i < recorded.size(); ++i) {
            QVERIFY(recorded[i].answer != recorded[i - 1].answer);
            QCOMPARE(recorded[i].right, i == recorded.size() - 1);
        }
    } else {
        QCOMPARE(recorded.size(), expected.size());
        for (int i = 0; i < expected.size(); ++i)
            compared.append(i);
    }
    for (qsizetype e = 0; e < compared.size(); ++e) {
        const int i = compared[e];
        const Expected &want = expected[e];
        const AnsweredQuestion &got = recorded[i];
        QCOMPARE(got.activity, activity);
        QCOMPARE(got.question, want.question);
        if (!want.answer.isNull())
            QCOMPARE(got.answer, want.answer);
        QCOMPARE(got.right, want.right);
        QCOMPARE(got.msecsTaken, want.msecsTaken);
        QCOMPARE(cuesAtRecord[i], want.cueBefore);
    }
}

void AnswerLogTest::historyKeepsEveryFieldOnDisk()
{
    QTemporaryDir dir;
    FakeClock clock;
    clock.seconds = QDateTime(QDate(2026, 5, 4), QTime(9, 41, 7)).toSecsSinceEpoch();
    ScriptedDialogs dialogs;
    HistoryLog log(clock, dialogs, dir.path());
    const QString path = dir.filePath(u"history.db"_s);
    QCOMPARE(log.filePath(), path);
    QVERIFY(!QFile::exists(path));   // made on first use only

    log.record({u"addition"_s, u"3+4"_s, u"7"_s, true, 2345});
    clock.seconds += 5;
    log.record({u"sheet"_s, u"12-5"_s, u"8"_s, false, 61'000});

    // Read through a connection of its own while the log is still open: both rows are there.
    const QList<HistoryRow> rows = HistoryLog::readRows(path);
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[0].answeredAt, QDateTime(QDate(2026, 5, 4), QTime(9, 41, 7)));
    QCOMPARE(rows[0].answered.activity, u"addition"_s);
    QCOMPARE(rows[0].answered.question, u"3+4"_s);
    QCOMPARE(rows[0].answered.answer, u"7"_s);
    QCOMPARE(rows[0].answered.right, true);
    QCOMPARE(rows[0].answered.msecsTaken, 2345);
    QCOMPARE(rows[1].answeredAt, QDateTime(QDate(2026, 5, 4), QTime(9, 41, 12)));
    QCOMPARE(rows[1].answered.activity, u"sheet"_s);
    QCOMPARE(rows[1].answered.right, false);
    QCOMPARE(rows[1].answered.msecsTaken, 61'000);
    QVERIFY(dialogs.shown.isEmpty());
}

void AnswerLogTest::twoCopiesAnsweringAtOnceLoseNoRow()
{
    QTemporaryDir dir;
    constexpr int count = 150;
    // Both copies start on a folder without the file: they also make it at the same time.
    QList<QProcess *> copies;
    for (const QString &tag : {u"first"_s, u"second"_s}) {
        auto *copy = new QProcess(this);
        copy->start(QCoreApplication::applicationFilePath(),
                    {u"--write-history"_s, dir.path(), QString::number(count), tag});
        copies.append(copy);
    }
    for (QProcess *copy : copies) {
        QVERIFY(copy->waitForFinished(120'000));
        QCOMPARE(copy->exitStatus(), QProcess::NormalExit);
        QCOMPARE(copy->exitCode(), 0);
        delete copy;
    }
    const QList<HistoryRow> rows = HistoryLog::readRows(dir.filePath(u"history.db"_s));
    QCOMPARE(rows.size(), 2 * count);
    for (const QString &tag : {u"first"_s, u"second"_s}) {
        QStringList questions;
        for (const HistoryRow &row : rows) {
            if (row.answered.activity == tag)
                questions.append(row.answered.question);
        }
        QCOMPARE(questions.size(), count);
        for (int i = 0; i < count; ++i)
            QCOMPARE(questions[i], QString::number(i));   // each copy's rows in its order
    }
}

void AnswerLogTest::damagedHistoryIsReportedOnceAndLeftAsItIs_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("folder");   // a folder stands where the file should be
    QTest::addColumn<QString>("reported");

    const QString damaged = u"答题记录文件 “history.db” 已损坏或不是有效的记录文件"_s;
    const QByteArray good = historyWithRows();
    QTest::newRow("text") << QByteArray("not a table at all\n") << false << damaged;
    QTest::newRow("truncated") << good.left(good.size() - 100) << false << damaged;
    QByteArray scrambled = good;
    for (qsizetype i = 100; i < scrambled.size(); ++i)
        scrambled[i] = char(0xA5 ^ scrambled[i]);
    QTest::newRow("pages scrambled") << scrambled << false << damaged;
    QTest::newRow("a folder") << QByteArray() << true << damaged;

    // A database of another program with a table of the same name.
    QTemporaryDir dir;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"foreign"_s);
        db.setDatabaseName(dir.filePath(u"foreign.db"_s));
        QVERIFY(db.open());
        QSqlQuery query(db);
        QVERIFY(query.exec(u"CREATE TABLE history (note TEXT)"_s));
        QVERIFY(query.exec(u"INSERT INTO history VALUES ('keep me')"_s));
        db.close();
    }
    QSqlDatabase::removeDatabase(u"foreign"_s);
    QTest::newRow("foreign table") << readBytes(dir.filePath(u"foreign.db"_s)) << false
                                   << u"答题记录文件 “history.db” 无法写入"_s;
}

void AnswerLogTest::damagedHistoryIsReportedOnceAndLeftAsItIs()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, folder);
    QFETCH(QString, reported);

    QTemporaryDir dir;
    const QString path = dir.filePath(u"history.db"_s);
    if (folder) {
        QVERIFY(QDir(dir.path()).mkdir(u"history.db"_s));
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    FakeClock clock;
    ScriptedDialogs dialogs;
    HistoryLog log(clock, dialogs, dir.path());
    for (int i = 0; i < 3; ++i)
        log.record({u"counting"_s, u"数一数 6"_s, u"6"_s, true, 900});   // never throws

    QCOMPARE(dialogs.errors().size(), 1);
    QVERIFY2(dialogs.errors().first().startsWith(reported), qPrintable(dialogs.errors().first()));
    if (folder)
        QVERIFY(QFileInfo(path).isDir());
    else
        QCOMPARE(readBytes(path), content);
}

int main(int argc, char **argv)
{
    if (argc == 5 && qstrcmp(argv[1], "--write-history") == 0) {
        QCoreApplication app(argc, argv);
        return writeHistory(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toInt(),
                            QString::fromLocal8Bit(argv[4]));
    }
    QApplication app(argc, argv);
    AnswerLogTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_answerlog.moc"
