#include "activities/directionsrules.h"

#include "services/random.h"

#include <QRect>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace abacolo {

QPoint stepOf(Heading heading)
{
    switch (heading) {
    case Heading::Right:
        return {1, 0};
    case Heading::Left:
        return {-1, 0};
    case Heading::Up:
        return {0, -1};
    case Heading::Down:
        break;
    }
    return {0, 1};
}

QString headingName(Heading heading)
{
    static const QStringList names{u"右"_s, u"左"_s, u"上"_s, u"下"_s};
    return names.at(int(heading));
}

QString headingArrow(Heading heading)
{
    static const QStringList arrows{u"→"_s, u"←"_s, u"↑"_s, u"↓"_s};
    return arrows.at(int(heading));
}

namespace {

QString clipWord(Heading heading)
{
    static const QStringList words{u"right"_s, u"left"_s, u"up"_s, u"down"_s};
    return words.at(int(heading));
}

} // namespace

bool DirectionsQuestion::onGrid(QPoint square)
{
    return QRect(0, 0, Columns, Rows).contains(square);
}

QPoint DirectionsQuestion::goal() const
{
    QPoint at = start;
    for (const Walk &walk : walks)
        at += stepOf(walk.heading) * walk.steps;
    return at;
}

QString DirectionsQuestion::request() const
{
    QStringList parts;
    for (const Walk &walk : walks)
        parts.append(u"向%1走%2步"_s.arg(headingName(walk.heading)).arg(walk.steps));
    return parts.join(u"，再"_s);
}

QString DirectionsQuestion::clip() const
{
    QStringList parts{u"go"_s};
    for (const Walk &walk : walks)
        parts << clipWord(walk.heading) << QString::number(walk.steps);
    return parts.join(u'_');
}

QList<Heading> DirectionsQuestion::presses() const
{
    QList<Heading> presses;
    for (const Walk &walk : walks) {
        for (int n = 0; n < walk.steps; ++n)
            presses.append(walk.heading);
    }
    return presses;
}

DirectionsQuestion drawDirectionsQuestion(RandomGenerator &random, int level)
{
    DirectionsQuestion question;
    static const QStringList animals{u"chick"_s, u"ladybird"_s, u"butterfly"_s};
    question.animal = animals.at(random.below(int(animals.size())));
    if (level <= 2) {
        const auto heading = Heading(random.below(4));
        const bool across = heading == Heading::Right || heading == Heading::Left;
        // Up and down stay within the grid's five rows, so never more than four squares.
        const int most = level == 1 ? 3 : across ? 5 : DirectionsQuestion::Rows - 1;
        question.walks = {{heading, 1 + random.below(most)}};
    } else {
        const Heading across = random.below(2) == 0 ? Heading::Right : Heading::Left;
        const Heading upOrDown = random.below(2) == 0 ? Heading::Up : Heading::Down;
        question.walks = {{across, 1 + random.below(3)}, {upOrDown, 1 + random.below(3)}};
    }
    // A start from which every walk stays on the grid.
    QPoint reach;
    for (const Walk &walk : question.walks)
        reach += stepOf(walk.heading) * walk.steps;
    const int fromColumn = std::max(0, -reach.x());
    const int toColumn = DirectionsQuestion::Columns - 1 - std::max(0, reach.x());
    const int fromRow = std::max(0, -reach.y());
    const int toRow = DirectionsQuestion::Rows - 1 - std::max(0, reach.y());
    question.start = QPoint(fromColumn + random.below(toColumn - fromColumn + 1),
                            fromRow + random.below(toRow - fromRow + 1));
    return question;
}

ArrowWalk::ArrowWalk(const DirectionsQuestion &question)
    : m_expected(question.presses())
    , m_position(question.start)
{
}

ArrowWalk::Outcome ArrowWalk::press(Heading heading)
{
    if (m_done >= m_expected.size() || m_expected.at(m_done) != heading)
        return Outcome::Wrong;
    m_pressed += headingArrow(heading);
    ++m_done;
    m_position += stepOf(heading);
    return m_done == m_expected.size() ? Outcome::Arrived : Outcome::Stepped;
}

} // namespace abacolo
