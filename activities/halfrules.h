#pragma once

#include "activities/shapesrules.h"

#include <QList>
#include <QString>

namespace abacolo {

class RandomGenerator;

// A cut across a shape: upright or level, at a share (0 … 1) of the shape's width or height.
struct CutLine
{
    Qt::Orientation orientation = Qt::Vertical;
    double at = 0.5;

    // Through the middle of a shape that is the same on both sides: two equal halves.
    bool halves() const { return at == 0.5; }

    bool operator==(const CutLine &) const = default;

    // As a parent reads it in the answer log: "中间的竖线", "上面的横线".
    QString name() const;
};

// A question of the half activity: an even number of one fruit on a plate, half of which the
// child moves to the empty plate (two to six, then up to ten); later a shape with three cut
// lines, one of them into two equal halves (circle, square and rectangle, then also oval,
// hexagon and diamond).
struct HalfQuestion
{
    bool cutting = false;
    int fruit = 0;
    QString picture;
    ShapeKind shape = ShapeKind::Circle;
    QList<CutLine> lines;

    int rightLine() const;
};

constexpr int HalfLevels = 4;
HalfQuestion drawHalfQuestion(RandomGenerator &random, int level);

// Whether `moved` of `total` is half of them.
inline bool isHalf(int total, int moved)
{
    return moved * 2 == total;
}

} // namespace abacolo
