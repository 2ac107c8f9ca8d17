#include "activities/bargraphsrules.h"

#include "activities/countedthings.h"
#include "services/random.h"

#include <algorithm>
#include <array>
#include <numeric>

using namespace Qt::StringLiterals;

namespace abacolo {

namespace {

constexpr double LargestCell = 120;
constexpr double PictureShare = 0.8; // of its cell; the rest is room to shift it

// Puts `count` random items of `list` first.
template<typename List>
void shuffleFirst(RandomGenerator &random, List &list, int count)
{
    for (int i = 0; i < count; ++i)
        std::swap(list[i], list[i + random.below(int(list.size()) - i)]);
}

bool mostAndFewestAreOneKind(const QList<int> &counts)
{
    QList<int> sorted = counts;
    std::sort(sorted.begin(), sorted.end());
    return sorted.at(0) != sorted.at(1) && sorted.last() != sorted.at(sorted.size() - 2);
}

} // namespace

int BarGraphsQuestion::most() const
{
    return int(std::max_element(counts.begin(), counts.end()) - counts.begin());
}

int BarGraphsQuestion::fewest() const
{
    return int(std::min_element(counts.begin(), counts.end()) - counts.begin());
}

QString BarGraphsQuestion::text() const
{
    QStringList columns;
    for (int k = 0; k < kinds.size(); ++k)
        columns.append(countedThingName(kinds.at(k)) + QString::number(counts.at(k)));
    return columns.join(u' ');
}

QList<QRectF> scatterPlaces(RandomGenerator &random, int count, QSizeF area)
{
    const int cellsWanted = count + (count + 4) / 5;
    double cell = LargestCell;
    while (int(area.width() / cell) * int(area.height() / cell) < cellsWanted)
        cell -= 1;
    const int columns = int(area.width() / cell);
    const int rows = int(area.height() / cell);
    QList<int> cells(columns * rows);
    std::iota(cells.begin(), cells.end(), 0);
    shuffleFirst(random, cells, count);

    const double side = cell * PictureShare;
    const QPointF origin((area.width() - columns * cell) / 2, (area.height() - rows * cell) / 2);
    const int room = int(cell - side);
    QList<QRectF> places;
    for (int i = 0; i < count; ++i) {
        const QPointF corner(origin.x() + (cells.at(i) % columns) * cell + random.below(room + 1),
                             origin.y() + (cells.at(i) / columns) * cell + random.below(room + 1));
        places.append(QRectF(corner, QSizeF(side, side)));
    }
    return places;
}

BarGraphsQuestion drawBarGraphsQuestion(RandomGenerator &random, int level)
{
    struct Range
    {
        int fewestKinds;
        int mostKinds;
        int highest;
    };
    static constexpr std::array<Range, BarGraphsLevels> ranges{{{2, 3, 5}, {3, 4, 8}, {4, 4, 10}}};
    const Range &range = ranges.at(size_t(level - 1));

    BarGraphsQuestion question;
    question.highest = range.highest;
    const int kinds = range.fewestKinds + random.below(range.mostKinds - range.fewestKinds + 1);
    QStringList things = countedThings();
    shuffleFirst(random, things, kinds);
    question.kinds = things.mid(0, kinds);
    question.counts.resize(kinds);
    do {
        for (int &count : question.counts)
            count = 1 + random.below(range.highest);
    } while (!mostAndFewestAreOneKind(question.counts));

    // The kinds mix by the places: each picture takes the next of the shuffled cells.
    int total = 0;
    for (const int count : question.counts)
        total += count;
    const QList<QRectF> places = scatterPlaces(random, total, BarGraphsQuestion::SceneSize);
    int next = 0;
    for (int kind = 0; kind < kinds; ++kind) {
        for (int n = 0; n < question.counts.at(kind); ++n)
            question.scene.append({kind, places.at(next++)});
    }
    return question;
}

} // namespace abacolo
