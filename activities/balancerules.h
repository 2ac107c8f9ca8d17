#pragma once

#include <QList>
#include <QString>

namespace abacolo {

class RandomGenerator;

// A question of the balance activity: what lies on the left pan, and the weights (one of each
// number) the child may put on the right pan until the balance is level. First a few fruit
// on the left (one each) against weights 1 … 5; then two weights up to nine together; two
// weights of ten to fifteen, so that the right pan needs more than one; and three weights.
struct BalanceQuestion
{
    QList<int> left;           // the left pan's terms; one term, the fruit's count, with fruit
    bool fruitOnLeft = false;
    QString picture;           // the fruit, when there is fruit
    int trayHighest = 9;       // the tray holds the weights 1 … trayHighest

    int leftTotal() const;
};

constexpr int BalanceLevels = 4;
BalanceQuestion drawBalanceQuestion(RandomGenerator &random, int level);

// Which way the beam leans: negative when the left pan is heavier, positive when the right
// one is, 0 when level.
int lean(int leftTotal, int rightTotal);

// Terms written as a sum: "3 + 4".
QString sumText(const QList<int> &terms);
// The equation of a level balance: "3 + 4 = 7".
QString equation(const QList<int> &left, const QList<int> &right);

// Weights of the tray (different, 1 … trayHighest) that balance `total`: the largest first.
QList<int> balancingWeights(int total, int trayHighest);

} // namespace abacolo
