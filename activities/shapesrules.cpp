#include "activities/shapesrules.h"

#include "services/random.h"

#include <array>

using namespace Qt::StringLiterals;

namespace abacolo {

namespace {

struct KindText
{
    const char16_t *name;
    const char16_t *clip;
};

constexpr std::array<KindText, 9> KindTexts{{
    {u"圆形", u"find_circle"},
    {u"正方形", u"find_square"},
    {u"三角形", u"find_triangle"},
    {u"长方形", u"find_rectangle"},
    {u"椭圆形", u"find_oval"},
    {u"五角星", u"find_star"},
    {u"菱形", u"find_diamond"},
    {u"五边形", u"find_pentagon"},
    {u"六边形", u"find_hexagon"},
}};

// Bright colours that read well on the black stage.
const std::array<QColor, 6> Colours{QColor(239, 83, 80),  QColor(255, 202, 40),
                                    QColor(102, 187, 106), QColor(66, 165, 245),
                                    QColor(171, 71, 188),  QColor(255, 138, 101)};

} // namespace

QString shapeName(ShapeKind kind)
{
    const KindText &text = KindTexts.at(size_t(kind));
    return QString::fromUtf16(text.name);
}

QString shapeClip(ShapeKind kind)
{
    const KindText &text = KindTexts.at(size_t(kind));
    return QString::fromUtf16(text.clip);
}

int ShapeQuestion::answerIndex() const
{
    for (int i = 0; i < items.size(); ++i) {
        if (items.at(i).kind == asked)
            return i;
    }
    return -1;
}

int shapeKindsAt(int level)
{
    constexpr std::array<int, ShapeLevels> kinds{3, 5, 7, 9, 9};
    return kinds.at(size_t(level - 1));
}

int shapeCountAt(int level)
{
    constexpr std::array<int, ShapeLevels> counts{4, 5, 5, 6, 6};
    return counts.at(size_t(level - 1));
}

ShapeQuestion drawShapeQuestion(RandomGenerator &random, int level)
{
    const int kinds = shapeKindsAt(level);
    const int count = shapeCountAt(level);
    const bool varied = level == ShapeLevels;

    ShapeQuestion question;
    question.asked = ShapeKind(random.below(kinds));
    const int answerAt = random.below(count);
    const QColor oneColour = Colours.at(size_t(random.below(int(Colours.size()))));
    for (int i = 0; i < count; ++i) {
        ShapeItem item;
        if (i == answerAt) {
            item.kind = question.asked;
        } else {
            // Any other kind of the level: the asked one stands exactly once.
            const int other = random.below(kinds - 1);
            item.kind = ShapeKind(other < int(question.asked) ? other : other + 1);
        }
        item.colour = varied ? Colours.at(size_t(random.below(int(Colours.size())))) : oneColour;
        if (varied) {
            item.scale = 0.55 + 0.09 * random.below(6);
            // Small turns only: a square turned by 45 degrees would be a diamond.
            item.turn = item.kind == ShapeKind::Circle ? 0 : random.below(41) - 20;
        }
        question.items.append(item);
    }
    return question;
}

} // namespace abacolo
