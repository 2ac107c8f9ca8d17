#pragma once

#include <QString>

namespace abacolo {

class RandomGenerator;

// How two amounts compare: what stands between them.
enum class Relation { Greater, Less, Equal };
QString relationSign(Relation relation); // ">", "<", "="
Relation compare(int left, int right);

// A question of the comparing activity. On the first level two groups of pictures, never
// equal, and the child clicks the group with more; then the child picks ">", "<" or "="
// between two groups of up to nine pictures, then between two written numbers up to nine,
// and last up to twenty.
struct ComparingQuestion
{
    int left = 0;
    int right = 0;
    bool pictures = true;    // groups of pictures, else written numbers
    bool pickTheMore = true; // click the group with more, else a sign
    QString picture;         // the one picture of both groups

    Relation answer() const { return compare(left, right); }
};

constexpr int ComparingLevels = 4;
ComparingQuestion drawComparingQuestion(RandomGenerator &random, int level);

} // namespace abacolo
