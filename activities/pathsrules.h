#pragma once

#include <QList>
#include <QPoint>
#include <QString>

namespace abacolo {

class RandomGenerator;

// A question of the paths activity: a grid of stepping stones, each with a number; a path of
// neighbouring stones runs from the start to the goal in counting order, and the child
// clicks it stone by stone. No stone beside a path stone shows the number that comes after
// it, so the way on is always one stone. The levels: 1 to 5, 1 to 8, 1 to 10, then counting
// by twos from 2 to 16.
struct PathsQuestion
{
    static constexpr int Columns = 7;
    static constexpr int Rows = 4;

    QList<QPoint> path;  // column, row; from the start to the goal
    QList<int> numbers;  // every stone's number, row by row
    int step = 1;        // what the counting adds from stone to stone

    int numberAt(QPoint stone) const { return numbers.at(stone.y() * Columns + stone.x()); }
    QString request() const; // "从1数到5" or "两个两个数，从2数到16"
    QString clip() const;    // "path_1_5", "path_2_16"
};

constexpr int PathsLevels = 4;
PathsQuestion drawPathsQuestion(RandomGenerator &random, int level);

bool areNeighbours(QPoint a, QPoint b); // side by side or one above the other

} // namespace abacolo
