#include "activities/pathsrules.h"

#include "services/random.h"

#include <QRect>

#include <array>

using namespace Qt::StringLiterals;

namespace abacolo {

bool areNeighbours(QPoint a, QPoint b)
{
    return (a - b).manhattanLength() == 1;
}

QString PathsQuestion::request() const
{
    const int first = numberAt(path.first());
    const int last = numberAt(path.last());
    if (step == 2)
        return u"两个两个数，从%1数到%2"_s.arg(first).arg(last);
    return u"从%1数到%2"_s.arg(first).arg(last);
}

QString PathsQuestion::clip() const
{
    return u"path_%1_%2"_s.arg(numberAt(path.first())).arg(numberAt(path.last()));
}

namespace {

const QRect Grid(0, 0, PathsQuestion::Columns, PathsQuestion::Rows);
const QList<QPoint> Sides{{1, 0}, {-1, 0}, {0, 1}, {0, -1}};

// A walk of `length` stones that never touches itself: from stone k the only neighbour on the
// path is stone k + 1 (and k - 1), so the path is never a shortcut of itself. Starts on the
// left edge; tries again from the start when it runs into a corner.
QList<QPoint> drawWalk(RandomGenerator &random, int length)
{
    for (;;) {
        QList<QPoint> walk{QPoint(0, random.below(PathsQuestion::Rows))};
        while (walk.size() < length) {
            QList<QPoint> ways;
            for (const QPoint side : Sides) {
                const QPoint next = walk.last() + side;
                bool free = Grid.contains(next);
                for (qsizetype i = 0; free && i + 1 < walk.size(); ++i)
                    free = walk.at(i) != next && !areNeighbours(walk.at(i), next);
                if (free)
                    ways.append(next);
            }
            if (ways.isEmpty())
                break;
            walk.append(ways.at(random.below(int(ways.size()))));
        }
        if (walk.size() == length)
            return walk;
    }
}

} // namespace

PathsQuestion drawPathsQuestion(RandomGenerator &random, int level)
{
    struct Count
    {
        int first;
        int stones;
        int step;
    };
    static constexpr std::array<Count, PathsLevels> counts{{{1, 5, 1}, {1, 8, 1}, {1, 10, 1}, {2, 8, 2}}};
    const Count count = counts.at(size_t(level - 1));
    PathsQuestion question;
    question.step = count.step;
    question.path = drawWalk(random, count.stones);
    question.numbers = QList<int>(PathsQuestion::Columns * PathsQuestion::Rows, 0);
    for (qsizetype i = 0; i < question.path.size(); ++i) {
        const QPoint stone = question.path.at(i);
        question.numbers[stone.y() * PathsQuestion::Columns + stone.x()] = count.first + int(i) * count.step;
    }
    // The other stones show numbers of the same count, but never the next number beside a
    // path stone, and never the start or the goal again.
    const int highest = count.first + (count.stones - 1) * count.step;
    for (int i = 0; i < question.numbers.size(); ++i) {
        const QPoint stone(i % PathsQuestion::Columns, i / PathsQuestion::Columns);
        if (question.path.contains(stone))
            continue;
        QList<int> allowed;
        for (int n = count.first + count.step; n < highest; n += 1) {
            bool fits = true;
            for (qsizetype k = 0; fits && k + 1 < question.path.size(); ++k)
                fits = !(areNeighbours(question.path.at(k), stone) &&
                         n == count.first + int(k + 1) * count.step);
            if (fits)
                allowed.append(n);
        }
        // A stone hemmed in by path stones on every side may have no such number left:
        // one past the goal never leads anywhere.
        question.numbers[i] = allowed.isEmpty() ? highest + count.step
                                                : allowed.at(random.below(int(allowed.size())));
    }
    return question;
}

} // namespace abacolo
