// The calculation sheet's rules without a window: reading answers, marking, drawing sheets.
#include "sheets/sheetrules.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace abacolo;

namespace {

// Draws 0, 1, 2 … in turn and notes each bound asked for.
struct CountingDraws
{
    int next = 0;
    QList<int> bounds;
    DrawBelow below()
    {
        return [this](int n) {
            bounds.append(n);
            return next++ % n;
        };
    }
};

} // namespace

class SheetRulesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void wholeNumbers_data();
    void wholeNumbers();
    void marking_data();
    void marking();
    void fillsDrawInTheirOrder();
    void sheetsDrawnForEachChoice_data();
    void sheetsDrawnForEachChoice();
};

void SheetRulesTest::wholeNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("read");
    QTest::addColumn<qint64>("value");
    QTest::newRow("digits") << u"42"_s << true << qint64(42);
    QTest::newRow("leading zeros") << u"007"_s << true << qint64(7);
    QTest::newRow("plus") << u"+5"_s << true << qint64(5);
    QTest::newRow("minus") << u"-12"_s << true << qint64(-12);
    QTest::newRow("nine digits") << u"123456789"_s << true << qint64(123456789);
    QTest::newRow("ten digits") << u"1234567890"_s << false << qint64(0);
    QTest::newRow("empty") << QString() << false << qint64(0);
    QTest::newRow("space before") << u" 7"_s << false << qint64(0);
    QTest::newRow("space after") << u"7 "_s << false << qint64(0);
    QTest::newRow("decimal") << u"1.5"_s << false << qint64(0);
    QTest::newRow("sign alone") << u"-"_s << false << qint64(0);
    QTest::newRow("full-width digit") << u"７"_s << false << qint64(0);
    QTest::newRow("chinese numeral") << u"七"_s << false << qint64(0);
}

void SheetRulesTest::wholeNumbers()
{
    QFETCH(QString, text);
    QFETCH(bool, read);
    QFETCH(qint64, value);
    const std::optional<qint64> number = wholeNumber(text);
    QCOMPARE(number.has_value(), read);
    if (read)
        QCOMPARE(*number, value);
}

void SheetRulesTest::marking_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<qint64>("first");
    QTest::addColumn<qint64>("second");
    QTest::addColumn<qint64>("answer");
    QTest::addColumn<bool>("right");
    QTest::newRow("3+4=7") << int(SheetOperation::Addition) << qint64(3) << qint64(4) << qint64(7)
                           << true;
    QTest::newRow("3+4=8") << int(SheetOperation::Addition) << qint64(3) << qint64(4) << qint64(8)
                           << false;
    QTest::newRow("9-4=5") << int(SheetOperation::Subtraction) << qint64(9) << qint64(4)
                           << qint64(5) << true;
    QTest::newRow("4-9=-5") << int(SheetOperation::Subtraction) << qint64(4) << qint64(9)
                            << qint64(-5) << true;
    QTest::newRow("3x4=12") << int(SheetOperation::Multiplication) << qint64(3) << qint64(4)
                            << qint64(12) << true;
    QTest::newRow("3x4=7") << int(SheetOperation::Multiplication) << qint64(3) << qint64(4)
                           << qint64(7) << false;
    QTest::newRow("12÷4=3") << int(SheetOperation::Division) << qint64(12) << qint64(4) << qint64(3)
                            << true;
    QTest::newRow("13÷4=3, the whole quotient")
        << int(SheetOperation::Division) << qint64(13) << qint64(4) << qint64(3) << true;
    QTest::newRow("5÷0 has no answer")
        << int(SheetOperation::Division) << qint64(5) << qint64(0) << qint64(0) << false;
    QTest::newRow("the empty operation") << 4 << qint64(1) << qint64(1) << qint64(2) << false;
}

void SheetRulesTest::marking()
{
    QFETCH(int, operation);
    QFETCH(qint64, first);
    QFETCH(qint64, second);
    QFETCH(qint64, answer);
    QFETCH(bool, right);
    QCOMPARE(isRight(operation, first, second, answer), right);
}

void SheetRulesTest::fillsDrawInTheirOrder()
{
    CountingDraws any;
    SheetNumbers numbers = anyPairs(30, any.below());
    for (int i = 0; i < 20; ++i)
        QCOMPARE(numbers[size_t(i)], i);
    QCOMPARE(any.bounds, QList<int>(20, 30));

    // The ten second numbers first, then each first number is its second plus a drawing.
    CountingDraws subtraction;
    numbers = subtractionPairs(50, subtraction.below());
    for (int k = 0; k < 10; ++k) {
        QCOMPARE(numbers[size_t(2 * k + 1)], k);
        QCOMPARE(numbers[size_t(2 * k)], k + 10 + k);
        QVERIFY(numbers[size_t(2 * k)] - numbers[size_t(2 * k + 1)] >= 0);
    }

    // Divisors first, a drawn 0 becomes 1; each dividend is a multiple of its divisor.
    CountingDraws division;
    numbers = divisionPairs(10, division.below());
    const std::array<int, 10> divisors{1, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    const std::array<int, 10> factors{1, 1, 2, 3, 4, 5, 6, 7, 8, 9}; // drawn 10 … 19, mod 10
    for (size_t k = 0; k < 10; ++k) {
        QCOMPARE(numbers[2 * k + 1], divisors[k]);
        QCOMPARE(numbers[2 * k], factors[k] * divisors[k]);
    }
}

void SheetRulesTest::sheetsDrawnForEachChoice_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<int>("range");
    QTest::addColumn<int>("bound"); // 0: nothing is drawn
    QTest::newRow("addition within 10") << int(SheetOperation::Addition) << 0 << 10;
    QTest::newRow("addition within 100") << int(SheetOperation::Addition) << 5 << 99;
    QTest::newRow("addition, empty range") << int(SheetOperation::Addition) << 6 << 0;
    QTest::newRow("subtraction within 10") << int(SheetOperation::Subtraction) << 0 << 5;
    QTest::newRow("subtraction within 100") << int(SheetOperation::Subtraction) << 5 << 50;
    QTest::newRow("subtraction, no range") << int(SheetOperation::Subtraction) << -1 << 0;
    QTest::newRow("multiplication, any range") << int(SheetOperation::Multiplication) << 6 << 10;
    QTest::newRow("division, no range") << int(SheetOperation::Division) << -1 << 10;
    QTest::newRow("the empty operation") << 4 << 0 << 0;
    QTest::newRow("no operation") << -1 << 0 << 0;
}

void SheetRulesTest::sheetsDrawnForEachChoice()
{
    QFETCH(int, operation);
    QFETCH(int, range);
    QFETCH(int, bound);
    CountingDraws draws;
    const std::optional<SheetNumbers> numbers = drawSheet(operation, range, draws.below());
    QCOMPARE(numbers.has_value(), bound != 0);
    if (bound != 0) {
        QCOMPARE(draws.bounds.size(), 20);
        QVERIFY(std::all_of(draws.bounds.cbegin(), draws.bounds.cend(),
                            [&](int n) { return n == bound; }));
    } else {
        QVERIFY(draws.bounds.isEmpty());
    }
}

QTEST_GUILESS_MAIN(SheetRulesTest)
#include "test_sheetrules.moc"
