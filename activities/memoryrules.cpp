#include "activities/memoryrules.h"

#include "activities/countedthings.h"
#include "services/random.h"

#include <array>

namespace abacolo {

bool cardsPair(const MemoryCard &a, const MemoryCard &b)
{
    return a.number == b.number && a.numeral != b.numeral;
}

int memoryPairsAt(int level)
{
    constexpr std::array<int, MemoryLevels> pairs{3, 4, 6, 8};
    return pairs.at(size_t(level - 1));
}

MemoryBoard drawMemoryBoard(RandomGenerator &random, int level)
{
    MemoryBoard board;
    const QStringList things = countedThings();
    board.picture = things.at(random.below(int(things.size())));
    QList<int> numbers{1, 2, 3, 4, 5, 6, 7, 8, 9};
    for (int pair = 0; pair < memoryPairsAt(level); ++pair) {
        const int number = numbers.takeAt(random.below(int(numbers.size())));
        board.cards.append({number, true});
        board.cards.append({number, false});
    }
    for (qsizetype i = board.cards.size() - 1; i > 0; --i)
        board.cards.swapItemsAt(i, random.below(int(i + 1)));
    return board;
}

} // namespace abacolo
