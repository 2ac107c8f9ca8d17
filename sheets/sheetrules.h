#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>

namespace abacolo {

// The calculation sheet's rules, without a window: reading and marking answers, and drawing
// the numbers of a new sheet.

// The operations, in the order of the sheet's operation box (`suiComboBox1`); its last item
// is empty.
namespace SheetOperation {
enum : int { Addition = 0, Subtraction = 1, Multiplication = 2, Division = 3 };
} // namespace SheetOperation
extern const QStringList OperationItems;
extern const QStringList OperationSigns; // "+", "-", "x", "÷"

// The ranges of the range box (`suiComboBox2`), and what each draws below for addition and
// subtraction; its last item is empty.
extern const QStringList RangeItems;
constexpr std::array<int, 6> AdditionBelow{10, 20, 30, 40, 50, 99};
constexpr std::array<int, 6> SubtractionBelow{5, 10, 20, 30, 40, 50};

// A whole number as the sheet reads it: decimal digits with an optional sign, nothing else.
std::optional<qint64> wholeNumber(const QString &text);

// A right answer of exercise `first op second`. A division by 0 has no answer: the exercise
// is wrong whatever was typed (it only comes up when "除法" was chosen over numbers drawn
// for another operation and no new sheet was drawn).
bool isRight(int operation, qint64 first, qint64 second, qint64 answer);

// The twenty numbers of a sheet: exercise k is numbers[2k − 2] op numbers[2k − 1].
using SheetNumbers = std::array<int, 20>;
// A random integer in 0 … n − 1.
using DrawBelow = std::function<int(int n)>;

// Every number below n, in order.
SheetNumbers anyPairs(int n, const DrawBelow &below);
// The second numbers below n first, then each first number its second plus a number below
// n, so no difference is negative.
SheetNumbers subtractionPairs(int n, const DrawBelow &below);
// The divisors first (1 … n − 1, a drawn 0 becomes 1), then each dividend a multiple of its
// divisor by such a number, so every quotient is whole.
SheetNumbers divisionPairs(int n, const DrawBelow &below);

// The numbers a new sheet draws for the chosen operation and range; nothing for a choice
// that draws nothing (the empty operation, or addition and subtraction without a range),
// where the old numbers stay.
std::optional<SheetNumbers> drawSheet(int operation, int range, const DrawBelow &below);

} // namespace abacolo
