#include "activities/multiplesrules.h"

#include "activities/countedthings.h"
#include "services/random.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace abacolo {

int MultiplesQuestion::answerIndex() const
{
    for (int i = 0; i < ChoiceCount; ++i) {
        if (choices.at(size_t(i)) == answer())
            return i;
    }
    return -1;
}

QString MultiplesQuestion::sequence() const
{
    QStringList counts;
    for (int n = 1; n < groups; ++n)
        counts.append(QString::number(n * groupSize));
    counts.append(u"?"_s);
    return counts.join(u", "_s);
}

MultiplesQuestion drawMultiplesQuestion(RandomGenerator &random, int level)
{
    struct Range
    {
        std::array<int, 3> sizes;
        int sizeCount;
        int fewest;
        int most;
    };
    // Per level: the group sizes, the fewest and most groups; twos run one group longer at
    // the second level, where the fives stop at four groups.
    static constexpr std::array<Range, MultiplesLevels> ranges{{
        {{2, 0, 0}, 1, 3, 4},
        {{2, 5, 0}, 2, 3, 4},
        {{5, 10, 0}, 2, 3, 5},
        {{2, 5, 10}, 3, 4, MostGroups},
    }};
    const Range &range = ranges.at(size_t(level - 1));
    MultiplesQuestion question;
    question.groupSize = range.sizes.at(size_t(random.below(range.sizeCount)));
    const int most = level == 2 && question.groupSize == 2 ? 5 : range.most;
    question.groups = range.fewest + random.below(most - range.fewest + 1);
    const QStringList things = countedThings();
    question.picture = things.at(random.below(int(things.size())));

    // The near misses a child makes: the last count again, one more, a group too many.
    const int answer = question.answer();
    std::array<int, MultiplesQuestion::ChoiceCount> choices{answer, answer - question.groupSize,
                                                             answer + 1, answer + question.groupSize};
    for (int i = MultiplesQuestion::ChoiceCount - 1; i > 0; --i)
        std::swap(choices.at(size_t(i)), choices.at(size_t(random.below(i + 1))));
    question.choices = choices;
    return question;
}

} // namespace abacolo
