#pragma once

#include <QList>
#include <QString>

namespace abacolo {

class RandomGenerator;

// A card of the memory game: a numeral, or that many pictures.
struct MemoryCard
{
    int number = 1;
    bool numeral = true;

    bool operator==(const MemoryCard &) const = default;
};

// Two cards pair when one shows a numeral and the other that many pictures.
bool cardsPair(const MemoryCard &a, const MemoryCard &b);

// A board of face-down cards: for each of its numbers (different, 1 … 9) a numeral card and a
// picture card, shuffled; all picture cards show the same picture.
struct MemoryBoard
{
    QList<MemoryCard> cards;
    QString picture;

    int pairs() const { return int(cards.size() / 2); }
};

// Three pairs on the first level, then four, six and eight.
constexpr int MemoryLevels = 4;
int memoryPairsAt(int level);
MemoryBoard drawMemoryBoard(RandomGenerator &random, int level);

// A board counts as one answer on the level ladder: well played when it took no more wrong
// turns than it has pairs.
inline bool boardWentWell(int pairs, int wrongTurns)
{
    return wrongTurns <= pairs;
}

} // namespace abacolo
