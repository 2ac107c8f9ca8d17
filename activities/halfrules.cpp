#include "activities/halfrules.h"

#include "activities/countedthings.h"
#include "services/random.h"

#include <array>

using namespace Qt::StringLiterals;

namespace abacolo {

QString CutLine::name() const
{
    const bool upright = orientation == Qt::Vertical;
    const QString where = halves() ? u"中间"_s
                          : at < 0.5 ? (upright ? u"左边"_s : u"上面"_s)
                                     : (upright ? u"右边"_s : u"下面"_s);
    return where + (upright ? u"的竖线"_s : u"的横线"_s);
}

int HalfQuestion::rightLine() const
{
    for (int i = 0; i < lines.size(); ++i) {
        if (lines.at(i).halves())
            return i;
    }
    return -1;
}

HalfQuestion drawHalfQuestion(RandomGenerator &random, int level)
{
    HalfQuestion question;
    question.cutting = level >= 3;
    if (!question.cutting) {
        const QStringList plateFruit = fruits();
        question.picture = plateFruit.at(random.below(int(plateFruit.size())));
        question.fruit = 2 * (1 + random.below(level == 1 ? 3 : 5));
        return question;
    }
    // Shapes the same on both sides, both ways: either middle line halves them.
    constexpr std::array<ShapeKind, 6> shapes{ShapeKind::Circle, ShapeKind::Square,
                                              ShapeKind::Rectangle, ShapeKind::Oval,
                                              ShapeKind::Hexagon, ShapeKind::Diamond};
    question.shape = shapes.at(size_t(random.below(level == 3 ? 3 : 6)));
    const auto orientation = [&] { return random.below(2) == 0 ? Qt::Vertical : Qt::Horizontal; };
    question.lines.append({orientation(), 0.5});
    // Two cuts well off the middle: a quarter from one side, different from each other.
    QList<CutLine> offCentre{{Qt::Vertical, 0.25}, {Qt::Vertical, 0.75},
                             {Qt::Horizontal, 0.25}, {Qt::Horizontal, 0.75}};
    for (int n = 0; n < 2; ++n)
        question.lines.append(offCentre.takeAt(random.below(int(offCentre.size()))));
    question.lines.swapItemsAt(0, random.below(3));
    return question;
}

} // namespace abacolo
