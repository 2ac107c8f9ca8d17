#include "activities/comparingrules.h"

#include "activities/countedthings.h"
#include "services/random.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace abacolo {

QString relationSign(Relation relation)
{
    switch (relation) {
    case Relation::Greater:
        return u">"_s;
    case Relation::Less:
        return u"<"_s;
    case Relation::Equal:
        break;
    }
    return u"="_s;
}

Relation compare(int left, int right)
{
    if (left > right)
        return Relation::Greater;
    return left < right ? Relation::Less : Relation::Equal;
}

ComparingQuestion drawComparingQuestion(RandomGenerator &random, int level)
{
    ComparingQuestion question;
    question.pickTheMore = level == 1;
    question.pictures = level <= 2;
    const QStringList things = countedThings();
    question.picture = things.at(random.below(int(things.size())));
    const int highest = level == 1 ? 5 : level <= 3 ? 9 : 20;
    question.left = 1 + random.below(highest);
    if (question.pickTheMore) {
        // Never equal: a different amount of the other group.
        const int other = 1 + random.below(highest - 1);
        question.right = other < question.left ? other : other + 1;
    } else if (random.below(4) == 0) {
        // Equal groups come about one time in four, not one in `highest`.
        question.right = question.left;
    } else {
        question.right = 1 + random.below(highest);
    }
    return question;
}

} // namespace abacolo
