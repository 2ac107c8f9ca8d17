#include "sheets/sheetrules.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace abacolo {

using namespace SheetOperation;

const QStringList OperationItems{u"加法"_s, u"减法"_s, u"乘法"_s, u"除法"_s, QString()};
const QStringList OperationSigns{u"+"_s, u"-"_s, u"x"_s, u"÷"_s};
const QStringList RangeItems{u"10以内"_s, u"20以内"_s,  u"30以内"_s, u"40以内"_s,
                             u"50以内"_s, u"100以内"_s, QString()};

std::optional<qint64> wholeNumber(const QString &text)
{
    static const QRegularExpression pattern(u"^[+-]?[0-9]{1,9}$"_s);
    if (!pattern.match(text).hasMatch())
        return std::nullopt;
    return text.toLongLong();
}

bool isRight(int operation, qint64 first, qint64 second, qint64 answer)
{
    switch (operation) {
    case Addition:
        return first + second == answer;
    case Subtraction:
        return first - second == answer;
    case Multiplication:
        return first * second == answer;
    case Division:
        return second != 0 && first / second == answer;
    default:
        return false;
    }
}

SheetNumbers anyPairs(int n, const DrawBelow &below)
{
    SheetNumbers numbers{};
    for (int &number : numbers)
        number = below(n);
    return numbers;
}

SheetNumbers subtractionPairs(int n, const DrawBelow &below)
{
    SheetNumbers numbers{};
    for (size_t i = 1; i < numbers.size(); i += 2)
        numbers[i] = below(n);
    for (size_t i = 0; i < numbers.size(); i += 2)
        numbers[i] = numbers[i + 1] + below(n);
    return numbers;
}

SheetNumbers divisionPairs(int n, const DrawBelow &below)
{
    const auto nonZero = [&] {
        const int drawn = below(n);
        return drawn == 0 ? 1 : drawn;
    };
    SheetNumbers numbers{};
    for (size_t i = 1; i < numbers.size(); i += 2)
        numbers[i] = nonZero();
    for (size_t i = 0; i < numbers.size(); i += 2)
        numbers[i] = nonZero() * numbers[i + 1];
    return numbers;
}

std::optional<SheetNumbers> drawSheet(int operation, int range, const DrawBelow &below)
{
    const bool rangeDrawn = range >= 0 && range < int(AdditionBelow.size());
    if (operation == Addition && rangeDrawn)
        return anyPairs(AdditionBelow.at(size_t(range)), below);
    if (operation == Subtraction && rangeDrawn)
        return subtractionPairs(SubtractionBelow.at(size_t(range)), below);
    if (operation == Multiplication)
        return anyPairs(10, below);
    if (operation == Division)
        return divisionPairs(10, below);
    return std::nullopt;
}

} // namespace abacolo
