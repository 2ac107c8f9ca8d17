#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>
#include <span>

namespace abacolo {

// The practice window's rules on positions alone: the questions' themes and arrangements,
// where a dropped control snaps, what stands in the boxes, and the scores.

// The ordering themes, in turn: the qualities at the two ends and the picture set whose
// picture k shows the k-th step from the left quality to the right one.
struct OrderTheme
{
    QStringView left;
    QStringView right;
    QStringView pictures;
};

constexpr std::array<OrderTheme, 5> OrderThemes{{
    {u"低", u"高", u"sp"},
    {u"大", u"小", u"hm"},
    {u"少", u"多", u"ld"},
    {u"粗", u"细", u"cannon"},
    {u"宽", u"窄", u"Xmas"},
}};

// The shuffled rows of a new ordering question: the pictures (by number) standing under
// boxes 1 … 5.
constexpr std::array<std::array<int, 5>, 5> OrderArrangements{{
    {1, 4, 3, 5, 2},
    {2, 1, 5, 3, 4},
    {4, 2, 5, 3, 1},
    {4, 3, 2, 5, 1},
    {2, 5, 1, 3, 4},
}};

// The shuffled rows of a new colouring question: the tiles (by number) standing under
// boxes 1 … 7 from the left.
constexpr std::array<std::array<int, 7>, 6> ColourArrangements{{
    {8, 6, 7, 9, 10, 11, 12},
    {10, 6, 11, 7, 12, 9, 8},
    {7, 11, 6, 9, 12, 8, 10},
    {9, 11, 8, 6, 12, 7, 10},
    {7, 11, 10, 9, 8, 12, 6},
    {10, 11, 7, 6, 8, 9, 12},
}};

// The box a dropped control snaps into: the first box, in the order given, whose left and
// right edges lie strictly either side of the control's centre. A control whose top is not
// above the line stays where it was dropped.
std::optional<size_t> snapBox(const QRect &control, std::span<const QRect> boxes, int line);

// Whether a control at `at` stands in the box whose left edge is `boxLeft`: at its left edge
// with its top above the line.
inline bool standsIn(QPoint at, int boxLeft, int line)
{
    return at.x() == boxLeft && at.y() < line;
}

// The ordering score: 20 for each picture k standing in box k.
int orderScore(std::span<const QPoint> pictures, std::span<const int> boxLefts, int line);
// The colouring score: 14 for each tile standing in its box, 16 for the last tile, so that
// seven make 100.
int colourScore(std::span<const QPoint> tiles, std::span<const int> boxLefts, int line);

// What stands in the boxes, from left to right: the number of the control in each (1 for
// the first control; the first one found when two share a box), "·" for an empty box.
QString arrangementText(std::span<const QPoint> controls, std::span<const int> boxLefts, int line);

} // namespace abacolo
