// Sheets saved as PDF: the title and the first exercise are there as text, the answer key
// follows the exercises, the pages are as many as expected, and a file that cannot be
// written is reported and left alone.
#include "worksheets/curriculum.h"
#include "worksheets/sheetpainter.h"
#include "worksheets/worksheet.h"

#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace abacolo;

namespace {

// Text compared without any spaces. The PDF's text layer names a CJK glyph by the lowest code
// point the font maps to it, which for some characters is a radical ("⽇" for 日, "⻓" for 长):
// compatibility forms are folded, and the radicals of the supplement block that have no such
// folding are mapped back to the characters they stand for.
QString comparable(const QString &text)
{
    static const QString radicals = u"⻓⻔⻜⻬⻢⻚⻅⻆⻘⻝⻛⻰⻙⻋⻉⻄⻑⻥⻩⻨"_s;
    static const QString characters = u"长门飞齐马页见角青食风龙韦车贝西镸鱼黄麦"_s;
    QString out;
    for (QChar c : text.normalized(QString::NormalizationForm_KC)) {
        if (const auto at = radicals.indexOf(c); at >= 0)
            c = characters.at(at);
        if (!c.isSpace())
            out.append(c);
    }
    return out;
}

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of pages `first` … `last` of a PDF.
QString pdfText(const QString &file, int first, int last)
{
    return run(u"pdftotext"_s, {u"-f"_s, QString::number(first), u"-l"_s, QString::number(last), file, u"-"_s});
}

int pdfPages(const QString &file)
{
    static const QRegularExpression pages(u"Pages:\\s+(\\d+)"_s);
    const auto match = pages.match(run(u"pdfinfo"_s, {file}));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

} // namespace

class WorksheetPdfTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void savedSheets_data();
    void savedSheets();
    void aFileThatCannotBeWrittenIsReported();

private:
    QTemporaryDir m_dir;
};

void WorksheetPdfTest::initTestCase()
{
    QVERIFY2(!QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty(), "pdftotext (poppler-utils) is missing");
    QVERIFY(m_dir.isValid());
}

void WorksheetPdfTest::savedSheets_data()
{
    QTest::addColumn<QString>("tab");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("exercisePages");
    QTest::addColumn<int>("pages");

    // Two columns of ten on one page, the key on the next.
    QTest::newRow("addition") << u"四岁"_s << u"20以内加法练习"_s << u"随机加2练习"_s << 1 << 2;
    // Too wide for two columns: one column of twelve.
    QTest::newRow("remainders") << u"六岁"_s << u"有余数的除法"_s << u"余数除法练习10"_s << 1 << 2;
    // Twenty splits in one column run over two pages.
    QTest::newRow("splits") << u"六岁"_s << u"B类组合加法练习"_s << u"10以内组合加法"_s << 2 << 3;
    QTest::newRow("column sums") << u"六岁"_s << u"乘法"_s << u"100以内竖式乘法练习"_s << 1 << 2;
    QTest::newRow("colouring") << u"学前准备"_s << u"几何形状涂色"_s << u"几何涂色11"_s << 1 << 2;
    QTest::newRow("lines") << u"学前准备"_s << u"数字连线"_s << u"画斜线"_s << 1 << 2;
    QTest::newRow("tracing digits") << u"学前准备"_s << u"描数字"_s << u"9~ 10 描数字"_s << 1 << 2;
    QTest::newRow("sequences") << u"四岁"_s << u"可选练习/ 测试项目"_s << u"200以内补填数字"_s << 1 << 2;
}

void WorksheetPdfTest::savedSheets()
{
    QFETCH(QString, tab);
    QFETCH(QString, group);
    QFETCH(QString, caption);
    QFETCH(int, exercisePages);
    QFETCH(int, pages);

    const EntryLookup found = findEntry(caption, tab, group);
    QVERIFY(found.index);
    const Worksheet sheet = makeWorksheet(curriculum().at(*found.index), 2024);
    QCOMPARE(exercisePageCount(sheet), exercisePages);

    const QString file = m_dir.filePath(QString::number(*found.index) + u".pdf"_s);
    QString error;
    QVERIFY2(saveWorksheetPdf(sheet, file, &error), qPrintable(error));
    QCOMPARE(pdfPages(file), pages);

    const QString first = comparable(pdfText(file, 1, 1));
    QVERIFY2(first.startsWith(comparable(sheet.title)), qPrintable(first.left(80)));
    QVERIFY(first.contains(comparable(u"姓名＿＿＿ 日期＿＿＿ 得分＿＿＿"_s)));
    QVERIFY(first.contains(comparable(sheet.instruction)));
    if (!sheet.exercises.first().prompt.isEmpty() && sheet.recipe.kind < Kind::ColumnAddition)
        QVERIFY2(first.contains(comparable(sheet.exercises.first().prompt)), qPrintable(first));
    QVERIFY(first.contains(comparable(u"套号 "_s + QString::number(sheet.seed))));

    // The key after the exercises, for the parent.
    const QString key = comparable(pdfText(file, exercisePages + 1, pages));
    QVERIFY(key.startsWith(comparable(u"答案（家长用）"_s)));
    QVERIFY2(key.contains(comparable(u"1. "_s + sheet.exercises.first().answer)), qPrintable(key));
    QVERIFY(key.contains(comparable(QString::number(sheet.exercises.size()) + u". "_s + sheet.exercises.last().answer)));
}

void WorksheetPdfTest::aFileThatCannotBeWrittenIsReported()
{
    const Worksheet sheet = makeWorksheet(curriculum().first(), 1);
    const QString file = m_dir.filePath(u"no such folder/sheet.pdf"_s);
    QString error;
    QVERIFY(!saveWorksheetPdf(sheet, file, &error));
    QVERIFY2(error.startsWith(u"无法写入文件"_s) && error.contains(u"sheet.pdf"_s), qPrintable(error));
    QVERIFY(!QFile::exists(file));
}

QTEST_MAIN(WorksheetPdfTest)
#include "test_worksheetpdf.moc"
