// The worksheet rules without a window: every entry of the age tabs makes a sheet with an
// answer key, and the arithmetic kinds keep their ranges and get their answers right over
// many seeds.
#include "worksheets/curriculum.h"
#include "worksheets/sheetpainter.h"
#include "worksheets/worksheet.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace abacolo;

Q_DECLARE_METATYPE(abacolo::Kind)

namespace {

constexpr int Seeds = 300;

QString compact(const QString &text)
{
    QString out;
    for (QChar c : text) {
        if (!c.isSpace())
            out.append(c);
    }
    return out;
}

// The value of "a + b − c …" written with the sheets' signs, evaluated left to right.
int evaluate(const QString &expression)
{
    static const QRegularExpression token(u"([+−×÷]?)(\\d+)"_s);
    int value = 0;
    auto it = token.globalMatch(compact(expression));
    bool first = true;
    while (it.hasNext()) {
        const auto match = it.next();
        const int number = match.captured(2).toInt();
        const QString sign = match.captured(1);
        if (first)
            value = number;
        else if (sign == u"+"_s)
            value += number;
        else if (sign == u"−"_s)
            value -= number;
        else if (sign == u"×"_s)
            value *= number;
        else if (sign == u"÷"_s)
            value /= number;
        first = false;
    }
    return value;
}

// The numbers written in a text, in order.
QList<int> numbersIn(const QString &text)
{
    static const QRegularExpression number(u"\\d+"_s);
    QList<int> list;
    auto it = number.globalMatch(text);
    while (it.hasNext())
        list.append(it.next().captured().toInt());
    return list;
}

bool isArithmetic(Kind kind)
{
    return kind >= Kind::Addition;
}

} // namespace

class WorksheetsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyEntryMakesASheetWithAnswers_data();
    void everyEntryMakesASheetWithAnswers();
    void aSeedRepeatsItsSheet();
    void everyEntryIsFoundByNumberAndByItsPlace();
    void lookupsByCaption_data();
    void lookupsByCaption();
    void arithmeticKeepsItsRangesAndAnswers_data();
    void arithmeticKeepsItsRangesAndAnswers();
    void countingAndSequences();
    void slantedLinesAllSlant();
    void everyDigitHasItsStrokes();
};

void WorksheetsTest::everyEntryMakesASheetWithAnswers_data()
{
    QTest::addColumn<int>("index");
    const QList<CurriculumEntry> &entries = curriculum();
    for (int i = 0; i < entries.size(); ++i) {
        const CurriculumEntry &entry = entries.at(i);
        QTest::addRow("%d %s %s %s", i + 1, qPrintable(entry.tab), qPrintable(entry.group), qPrintable(entry.caption)) << i;
    }
}

void WorksheetsTest::everyEntryMakesASheetWithAnswers()
{
    QFETCH(int, index);
    const CurriculumEntry &entry = curriculum().at(index);
    for (quint32 seed : {1u, 2u, 99999u}) {
        const Worksheet sheet = makeWorksheet(entry, seed);
        QCOMPARE(sheet.title, entry.caption.simplified());
        QVERIFY(!sheet.instruction.isEmpty());
        QVERIFY2(!sheet.exercises.isEmpty(), "no exercise: the entry has no kind");
        for (const Exercise &exercise : sheet.exercises) {
            QVERIFY(!exercise.answer.trimmed().isEmpty());
            // Something to print: a text, pictures, glyphs or numbers.
            QVERIFY(!exercise.prompt.isEmpty() || !exercise.figures.isEmpty() || !exercise.glyphs.isEmpty()
                    || !exercise.numbers.isEmpty());
        }
        QVERIFY(exercisePageCount(sheet) >= 1);
        QVERIFY(answerPageCount(sheet) >= 1);
    }
}

void WorksheetsTest::aSeedRepeatsItsSheet()
{
    int differ = 0;
    for (const CurriculumEntry &entry : curriculum()) {
        const Worksheet a = makeWorksheet(entry, 4242);
        const Worksheet b = makeWorksheet(entry, 4242);
        QCOMPARE(a.exercises.size(), b.exercises.size());
        for (int i = 0; i < a.exercises.size(); ++i) {
            QCOMPARE(a.exercises.at(i).prompt, b.exercises.at(i).prompt);
            QCOMPARE(a.exercises.at(i).answer, b.exercises.at(i).answer);
            QCOMPARE(a.exercises.at(i).numbers, b.exercises.at(i).numbers);
            QCOMPARE(a.exercises.at(i).blanks, b.exercises.at(i).blanks);
        }
        QList<QString> answersA;
        QList<QString> answersC;
        const Worksheet c = makeWorksheet(entry, 4243);
        for (const Exercise &e : a.exercises)
            answersA.append(e.answer + e.prompt);
        for (const Exercise &e : c.exercises)
            answersC.append(e.answer + e.prompt);
        differ += answersA != answersC;
    }
    // Only sheets with nothing to draw at random (fixed glyphs, single objects, digit rows)
    // stay the same under another seed.
    QVERIFY2(differ > 200, qPrintable(QString::number(differ)));
}

void WorksheetsTest::everyEntryIsFoundByNumberAndByItsPlace()
{
    const QList<CurriculumEntry> &entries = curriculum();
    for (int i = 0; i < entries.size(); ++i) {
        const CurriculumEntry &entry = entries.at(i);
        QCOMPARE(findEntry(QString::number(i + 1)).index, std::optional<int>(i));
        // Tab, group and caption name one entry.
        QCOMPARE(findEntry(entry.caption, entry.tab, entry.group).index, std::optional<int>(i));
    }
}

void WorksheetsTest::lookupsByCaption_data()
{
    QTest::addColumn<QString>("wanted");
    QTest::addColumn<QString>("tab");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("found");       // the caption of the entry found, or empty
    QTest::addColumn<int>("candidates");

    QTest::newRow("unique") << u"画斜线"_s << QString() << QString() << u"画斜线"_s << 0;
    QTest::newRow("spaces do not count") << u"1~2描数字"_s << QString() << QString() << u"1  ~  2  描数字"_s << 0;
    QTest::newRow("three groups") << u"随机加2练习"_s << QString() << QString() << QString() << 3;
    QTest::newRow("tab not enough") << u"随机加2练习"_s << u"四岁"_s << QString() << QString() << 3;
    QTest::newRow("group decides") << u"随机加2练习"_s << QString() << u"20以内加法练习"_s << u"随机加2练习"_s << 0;
    QTest::newRow("same caption, two tabs' groups") << u"10以内组合加法"_s << QString() << QString() << QString() << 2;
    QTest::newRow("unknown") << u"随机加99练习"_s << QString() << QString() << QString() << 0;
    QTest::newRow("wrong tab") << u"画斜线"_s << u"六岁"_s << QString() << QString() << 0;
    QTest::newRow("number 0") << u"0"_s << QString() << QString() << QString() << 0;
    QTest::newRow("number past the end") << u"265"_s << QString() << QString() << QString() << 0;
}

void WorksheetsTest::lookupsByCaption()
{
    QFETCH(QString, wanted);
    QFETCH(QString, tab);
    QFETCH(QString, group);
    QFETCH(QString, found);
    QFETCH(int, candidates);

    const EntryLookup lookup = findEntry(wanted, tab, group);
    QCOMPARE(lookup.index.has_value(), !found.isEmpty());
    if (lookup.index)
        QCOMPARE(curriculum().at(*lookup.index).caption, found);
    QCOMPARE(lookup.candidates.size(), candidates);
}

void WorksheetsTest::arithmeticKeepsItsRangesAndAnswers_data()
{
    QTest::addColumn<int>("index");
    const QList<CurriculumEntry> &entries = curriculum();
    for (int i = 0; i < entries.size(); ++i) {
        if (isArithmetic(entries.at(i).recipe.kind))
            QTest::addRow("%d %s %s", i + 1, qPrintable(entries.at(i).group), qPrintable(entries.at(i).caption)) << i;
    }
}

void WorksheetsTest::arithmeticKeepsItsRangesAndAnswers()
{
    QFETCH(int, index);
    const Recipe &r = curriculum().at(index).recipe;
    for (quint32 seed = 0; seed < Seeds; ++seed) {
        const Worksheet sheet = makeWorksheet(curriculum().at(index), seed);
        for (const Exercise &exercise : sheet.exercises) {
            const QString context = exercise.prompt + u" | "_s + exercise.answer;
            const QByteArray why = context.toUtf8();
            // The key is a true equation: its left side makes its result.
            const QString key = exercise.answer.section(u"（"_s, 0, 0);
            QString left = key.section(u"="_s, 0, 0);
            QString right = key.section(u"="_s, 1);
            // A split reads "10 = 3 + 7".
            if (numbersIn(left).size() == 1 && numbersIn(right).size() > 1)
                std::swap(left, right);
            const QList<int> results = numbersIn(right);
            QVERIFY2(!results.isEmpty(), why.constData());
            const QList<int> operands = numbersIn(left);
            for (int value : operands)
                QVERIFY2(value >= 0, why.constData());

            if (r.kind == Kind::DivisionWithRemainder) {
                QCOMPARE(results.size(), 2);
                const int quotient = results.at(0);
                const int rest = results.at(1);
                QVERIFY2(rest >= 1 && rest < operands.at(1), why.constData());
                QCOMPARE(operands.at(0), quotient * operands.at(1) + rest);
                QVERIFY2(quotient >= 1 && quotient <= r.limit, why.constData());
                QVERIFY2(operands.at(1) >= r.low && operands.at(1) <= r.high, why.constData());
                continue;
            }
            QCOMPARE(results.size(), 1);
            const int result = results.first();
            QVERIFY2(evaluate(left) == result, why.constData());
            if (r.kind == Kind::Division) {
                QCOMPARE(operands.at(0) % operands.at(1), 0);
                QVERIFY2(operands.at(1) >= r.low && operands.at(1) <= r.high && result <= r.limit, why.constData());
            }

            // The prompt is the key with blanks where the child writes.
            const QString prompt = compact(exercise.prompt);
            const int blanks = int(prompt.count(compact(blank())));
            const bool column = r.kind >= Kind::ColumnAddition;
            QVERIFY2(column ? blanks == 0 : blanks >= 1, why.constData());
            QVERIFY2(prompt.count(u"="_s) == 1, why.constData());

            switch (r.kind) {
            case Kind::Addition: {
                QVERIFY2(result <= r.limit, why.constData());
                // The named addend within its range; all in the unit.
                QVERIFY2(std::any_of(operands.begin(), operands.end(), [&r](int v) { return v >= r.low && v <= r.high; }),
                         why.constData());
                for (int v : operands)
                    QVERIFY2(v % r.unit == 0 && v >= r.other, why.constData());
                break;
            }
            case Kind::Subtraction:
                QVERIFY2(operands.at(0) <= r.limit && result >= 0, why.constData());
                QVERIFY2(operands.at(1) >= r.low && operands.at(1) <= r.high, why.constData());
                QVERIFY2(operands.at(0) % r.unit == 0 && operands.at(1) % r.unit == 0, why.constData());
                break;
            case Kind::AdditionChain:
            case Kind::SubtractionChain:
            case Kind::MixedChain: {
                QCOMPARE(operands.size(), r.steps + 1);
                // Every step stays within 0 … limit.
                static const QRegularExpression step(u"([+−])(\\d+)"_s);
                int value = operands.first();
                QVERIFY2(value <= r.limit, why.constData());
                auto it = step.globalMatch(compact(left));
                QSet<QString> signs;
                while (it.hasNext()) {
                    const auto match = it.next();
                    signs.insert(match.captured(1));
                    QVERIFY2(match.captured(2).toInt() >= 1, why.constData());
                    value += (match.captured(1) == u"+"_s ? 1 : -1) * match.captured(2).toInt();
                    QVERIFY2(value >= 0 && value <= r.limit, why.constData());
                }
                if (r.kind == Kind::AdditionChain)
                    QCOMPARE(signs, QSet<QString>{u"+"_s});
                if (r.kind == Kind::SubtractionChain)
                    QCOMPARE(signs, QSet<QString>{u"−"_s});
                if (r.kind == Kind::MixedChain)
                    QCOMPARE(signs.size(), 2);
                break;
            }
            case Kind::MissingAddend:
            case Kind::SplitSum:
                QVERIFY2(result <= r.limit && operands.at(0) >= 1 && operands.at(1) >= 1, why.constData());
                QCOMPARE(blanks, r.kind == Kind::SplitSum ? 2 : 1);
                break;
            case Kind::MissingSubtrahend:
            case Kind::SplitDifference:
                QVERIFY2(operands.at(0) <= r.limit && result >= 0 && operands.at(1) >= 1, why.constData());
                QCOMPARE(blanks, r.kind == Kind::SplitDifference ? 2 : 1);
                break;
            case Kind::Multiplication:
                QVERIFY2(std::any_of(operands.begin(), operands.end(), [&r](int v) { return v >= r.low && v <= r.high; }),
                         why.constData());
                QVERIFY2(operands.at(0) <= 9 && operands.at(1) <= 9 && result <= r.limit, why.constData());
                break;
            case Kind::ColumnAddition:
            case Kind::ColumnSubtraction:
            case Kind::ColumnMultiplication:
                QVERIFY2(operands.at(0) <= r.limit && result <= r.limit && result >= 0, why.constData());
                QCOMPARE(exercise.numbers, (QList<int>{operands.at(0), operands.at(1), result}));
                break;
            default:
                break;
            }
        }
    }
}

void WorksheetsTest::countingAndSequences()
{
    for (const CurriculumEntry &entry : curriculum()) {
        const Recipe &r = entry.recipe;
        for (quint32 seed = 0; seed < Seeds; ++seed) {
            const Worksheet sheet = makeWorksheet(entry, seed);
            for (const Exercise &exercise : sheet.exercises) {
                switch (r.kind) {
                case Kind::CircleCount:
                case Kind::CountPictures: {
                    const int count = exercise.numbers.first();
                    QVERIFY(count >= r.low && count <= r.high);
                    QCOMPARE(exercise.answer, QString::number(count));
                    if (r.kind == Kind::CircleCount)
                        QVERIFY(exercise.numbers.mid(1).contains(count));
                    break;
                }
                case Kind::FillSequence: {
                    // A run of neighbours within 1 … limit; the key lists exactly the gaps.
                    const QList<int> &run = exercise.numbers;
                    QVERIFY(!exercise.blanks.isEmpty() && !exercise.blanks.contains(0));
                    for (int i = 0; i < run.size(); ++i) {
                        QVERIFY(run.at(i) >= 1 && run.at(i) <= r.limit);
                        if (i > 0)
                            QCOMPARE(qAbs(run.at(i) - run.at(i - 1)), 1);
                    }
                    QStringList missing;
                    for (int place : exercise.blanks)
                        missing.append(QString::number(run.at(place)));
                    QCOMPARE(exercise.answer, missing.join(u"、"_s));
                    break;
                }
                default:
                    break;
                }
            }
        }
    }
}

void WorksheetsTest::slantedLinesAllSlant()
{
    const CurriculumEntry &entry = curriculum().at(*findEntry(u"画斜线"_s).index);
    for (quint32 seed = 0; seed < Seeds; ++seed) {
        const Worksheet sheet = makeWorksheet(entry, seed);
        QSet<int> places;
        for (int i = 0; i < sheet.exercises.size(); ++i) {
            const int across = sheet.exercises.at(i).numbers.first();
            QVERIFY(across != i);
            places.insert(across);
        }
        QCOMPARE(places.size(), sheet.exercises.size());
    }
}

void WorksheetsTest::everyDigitHasItsStrokes()
{
    const QRectF box(0, 0, 100, 100);
    for (int digit = 0; digit <= 9; ++digit) {
        const QList<QPainterPath> strokes = digitStrokes(digit, box);
        QCOMPARE(strokes.size(), digit == 4 || digit == 5 ? 2 : 1);
        for (const QPainterPath &stroke : strokes) {
            QVERIFY(stroke.length() > 30);
            const QRectF bounds = stroke.boundingRect();
            QVERIFY2(box.contains(bounds.topLeft()) && box.contains(bounds.bottomRight()), qPrintable(QString::number(digit)));
        }
    }
}

QTEST_MAIN(WorksheetsTest)
#include "test_worksheets.moc"
