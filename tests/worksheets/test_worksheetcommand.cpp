// The worksheets from the command line, run as a teacher runs them: the built program with no
// display, listing every entry and writing each as PDF; wrong and ambiguous requests fail with
// their messages and exit code 2 and write nothing.
#include "worksheets/curriculum.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace abacolo;

namespace {

struct Result
{
    int code = -1;
    QString out;
    QString err;
};

QString program()
{
    return QDir(qEnvironmentVariable("ABACOLO_DATA_DIR")).filePath(u"abacolo"_s);
}

// The program started without any display to talk to.
void startProgram(QProcess &process, const QStringList &arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(u"DISPLAY"_s);
    environment.remove(u"WAYLAND_DISPLAY"_s);
    environment.remove(u"QT_QPA_PLATFORM"_s);
    process.setProcessEnvironment(environment);
    process.start(program(), arguments);
}

Result finish(QProcess &process)
{
    Result result;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.code = process.exitCode();
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

Result runProgram(const QStringList &arguments)
{
    QProcess process;
    startProgram(process, arguments);
    return finish(process);
}

bool isPdf(const QString &file)
{
    QFile pdf(file);
    if (!pdf.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = pdf.readAll();
    return bytes.startsWith("%PDF-") && bytes.trimmed().endsWith("%%EOF");
}

} // namespace

class WorksheetCommandTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void listsEveryEntry();
    void everyListedEntryWritesAPdf();
    void aCaptionNarrowedByTabAndGroup();
    void wrongRequests_data();
    void wrongRequests();
    void aFileThatCannotBeWritten();

private:
    QTemporaryDir m_dir;
};

void WorksheetCommandTest::initTestCase()
{
    QVERIFY2(QFile::exists(program()), qPrintable(program()));
    QVERIFY(m_dir.isValid());
}

void WorksheetCommandTest::listsEveryEntry()
{
    const Result result = runProgram({u"--list-worksheets"_s});
    QCOMPARE(result.code, 0);
    const QStringList lines = result.out.split(u'\n', Qt::SkipEmptyParts);
    const QList<CurriculumEntry> &entries = curriculum();
    QCOMPARE(lines.size(), entries.size());
    for (int i = 0; i < lines.size(); ++i) {
        const CurriculumEntry &entry = entries.at(i);
        QCOMPARE(lines.at(i).split(u'\t'), (QStringList{QString::number(i + 1), entry.tab, entry.group, entry.caption}));
    }
}

void WorksheetCommandTest::everyListedEntryWritesAPdf()
{
    const int count = int(curriculum().size());
    // Two programs at a time.
    for (int first = 1; first <= count; first += 2) {
        QProcess a;
        QProcess b;
        QList<QProcess *> running{&a, &b};
        for (int k = 0; k < 2 && first + k <= count; ++k) {
            const QString number = QString::number(first + k);
            startProgram(*running.at(k), {u"--worksheet"_s, number, u"--seed"_s, number, u"--pdf"_s,
                                          m_dir.filePath(number + u".pdf"_s)});
        }
        for (int k = 0; k < 2 && first + k <= count; ++k) {
            const Result result = finish(*running.at(k));
            QVERIFY2(result.code == 0, qPrintable(QString::number(first + k) + u": "_s + result.err));
            QVERIFY2(isPdf(m_dir.filePath(QString::number(first + k) + u".pdf"_s)), qPrintable(QString::number(first + k)));
        }
    }
}

void WorksheetCommandTest::aCaptionNarrowedByTabAndGroup()
{
    const QString file = m_dir.filePath(u"narrowed.pdf"_s);
    const Result result = runProgram({u"--worksheet"_s, u"随机加2练习"_s, u"--tab"_s, u"四岁"_s, u"--group"_s,
                                      u"100以内加法练习"_s, u"--seed"_s, u"5"_s, u"--pdf"_s, file});
    QCOMPARE(result.code, 0);
    QVERIFY(isPdf(file));
}

void WorksheetCommandTest::wrongRequests_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("messages"); // each must appear in what the program writes to stderr

    QTest::newRow("unknown caption") << QStringList{u"--worksheet"_s, u"随机加99练习"_s}
                                     << QStringList{u"没有这个练习：随机加99练习"_s};
    QTest::newRow("unknown number") << QStringList{u"--worksheet"_s, u"999"_s} << QStringList{u"没有这个练习：999"_s};
    QTest::newRow("ambiguous") << QStringList{u"--worksheet"_s, u"随机加2练习"_s, u"--tab"_s, u"四岁"_s}
                               << QStringList{u"练习“随机加2练习”有 3 处"_s, u"四岁\t10以内加法练习\t随机加2练习"_s,
                                              u"四岁\t20以内加法练习\t随机加2练习"_s, u"四岁\t100以内加法练习\t随机加2练习"_s};
    QTest::newRow("ambiguous across groups") << QStringList{u"--worksheet"_s, u"10以内组合加法"_s}
                                             << QStringList{u"A类组合加法练习"_s, u"B类组合加法练习"_s};
    QTest::newRow("bad seed") << QStringList{u"--worksheet"_s, u"1"_s, u"--seed"_s, u"abc"_s}
                              << QStringList{u"套号必须是"_s};
    QTest::newRow("unknown option") << QStringList{u"--worksheet"_s, u"1"_s, u"--colour"_s, u"red"_s}
                                    << QStringList{u"不认识的参数：--colour"_s};
    QTest::newRow("option without value") << QStringList{u"--worksheet"_s, u"1"_s, u"--tab"_s}
                                          << QStringList{u"参数 --tab 后面缺少内容"_s};
}

void WorksheetCommandTest::wrongRequests()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, messages);

    const QString file = m_dir.filePath(u"wrong.pdf"_s);
    // The options stay in order: --pdf goes before a dangling one.
    if (arguments.last() == u"--tab"_s)
        arguments = QStringList{u"--pdf"_s, file} + arguments;
    else
        arguments += {u"--pdf"_s, file};
    const Result result = runProgram(arguments);
    QCOMPARE(result.code, 2);
    for (const QString &message : messages)
        QVERIFY2(result.err.contains(message), qPrintable(result.err));
    QVERIFY(!QFile::exists(file));

    // Without --pdf it is wrong too.
    QCOMPARE(runProgram({u"--worksheet"_s, u"1"_s}).code, 2);
}

void WorksheetCommandTest::aFileThatCannotBeWritten()
{
    const QString file = m_dir.filePath(u"missing folder/sheet.pdf"_s);
    const Result result = runProgram({u"--worksheet"_s, u"1"_s, u"--pdf"_s, file});
    QCOMPARE(result.code, 1);
    QVERIFY2(result.err.contains(u"无法写入文件"_s), qPrintable(result.err));
    QVERIFY(!QFile::exists(file));
}

QTEST_GUILESS_MAIN(WorksheetCommandTest)
#include "test_worksheetcommand.moc"
