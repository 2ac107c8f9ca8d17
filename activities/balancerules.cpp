#include "activities/balancerules.h"

#include "activities/countedthings.h"
#include "services/random.h"

#include <QStringList>
#include <numeric>

using namespace Qt::StringLiterals;

namespace abacolo {

int BalanceQuestion::leftTotal() const
{
    return std::accumulate(left.cbegin(), left.cend(), 0);
}

BalanceQuestion drawBalanceQuestion(RandomGenerator &random, int level)
{
    BalanceQuestion question;
    switch (level) {
    case 1: {
        question.fruitOnLeft = true;
        const QStringList things = fruits();
        question.picture = things.at(random.below(int(things.size())));
        question.left = {2 + random.below(4)};
        question.trayHighest = 5;
        break;
    }
    case 2: {
        const int first = 1 + random.below(8);
        question.left = {first, 1 + random.below(9 - first)};
        break;
    }
    case 3: {
        const int first = 1 + random.below(9);
        // Together ten to fifteen.
        const int lowest = std::max(1, 10 - first);
        const int highest = std::min(9, 15 - first);
        question.left = {first, lowest + random.below(highest - lowest + 1)};
        break;
    }
    default:
        question.left = {1 + random.below(5), 1 + random.below(5), 1 + random.below(5)};
        break;
    }
    return question;
}

int lean(int leftTotal, int rightTotal)
{
    return (rightTotal > leftTotal) - (rightTotal < leftTotal);
}

QString sumText(const QList<int> &terms)
{
    QStringList written;
    for (const int term : terms)
        written.append(QString::number(term));
    return written.join(u" + "_s);
}

QString equation(const QList<int> &left, const QList<int> &right)
{
    return sumText(left) + u" = "_s + sumText(right);
}

QList<int> balancingWeights(int total, int trayHighest)
{
    QList<int> weights;
    for (int weight = trayHighest; weight >= 1 && total > 0; --weight) {
        if (weight <= total) {
            weights.append(weight);
            total -= weight;
        }
    }
    return total == 0 ? weights : QList<int>{};
}

} // namespace abacolo
