#pragma once

#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QStringList>

namespace abacolo {

class RandomGenerator;

// One picture of the scene: which kind it is and where it stands.
struct ScenePicture
{
    int kind = 0; // the column of its kind
    QRectF place; // in the scene's coordinates
};

// A question of the bar-graphs activity: a scene of mixed pictures, each kind counted into a
// column of a bar graph; then the kind there is most of and the kind there is fewest of are
// picked from the graph. Each of the two is one kind, never a tie. The levels: two or three
// kinds up to five each; three or four kinds up to eight; four kinds up to ten.
struct BarGraphsQuestion
{
    static constexpr QSizeF SceneSize{500, 480};

    QStringList kinds;          // the pictures, one a column
    QList<int> counts;          // of each kind
    QList<ScenePicture> scene;
    int highest = 5;            // the graph's scale: the most of a kind at the level

    int most() const;           // the column of the kind there is most of
    int fewest() const;
    QString text() const;       // the counts, for the answer log: "苹果5 小鸡3"
};

constexpr int BarGraphsLevels = 3;
BarGraphsQuestion drawBarGraphsQuestion(RandomGenerator &random, int level);

// `count` square places of pictures scattered over `area` without overlapping: each picture
// keeps a cell of a grid to itself, shifted at random within it. The grid has cells to spare,
// so the scene is no plain block of rows; the fewer the pictures, the larger they are.
QList<QRectF> scatterPlaces(RandomGenerator &random, int count, QSizeF area);

} // namespace abacolo
