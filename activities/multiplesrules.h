#pragma once

#include <QString>

#include <array>

namespace abacolo {

class RandomGenerator;

// A question of the multiples activity: `groups` groups of `groupSize` pictures, counted on
// by groups ("2, 4, 6, ?"); the child picks the count of the last group from four numbers.
// The levels: twos up to eight; twos up to ten and fives up to twenty; fives and tens up to
// fifty; twos, fives and tens with four to six groups.
struct MultiplesQuestion
{
    static constexpr int ChoiceCount = 4;

    int groupSize = 2;
    int groups = 3;
    QString picture; // the one picture of all groups
    std::array<int, ChoiceCount> choices{};

    int answer() const { return groupSize * groups; }
    int answerIndex() const;
    // The counts so far with the last one asked: "2, 4, 6, ?".
    QString sequence() const;
};

constexpr int MultiplesLevels = 4;
constexpr int MostGroups = 6;
MultiplesQuestion drawMultiplesQuestion(RandomGenerator &random, int level);

} // namespace abacolo
