#pragma once

#include <QString>

#include <array>

namespace abacolo {

class RandomGenerator;

// One card of the finding-errors activity: a counted group with its number, or a small sum or
// difference with its result. `shown` is what the card claims.
struct ErrorCard
{
    enum class Kind { Group, Sum, Difference };

    Kind kind = Kind::Group;
    int first = 0;  // the group, or the first number of the sum or difference
    int second = 0; // the number added or taken away
    int shown = 0;

    int truth() const;
    bool isRight() const { return shown == truth(); }
    QString text() const; // "3", "2 + 3 = 5", "7 - 2 = 5"
};

// A question of the finding-errors activity: four cards of which exactly one is wrong, the
// child clicks it. The levels: groups of up to five pictures with their numbers; picture sums
// to five; picture sums and differences to ten; written sums and differences to twenty.
struct FindErrorsQuestion
{
    static constexpr int CardCount = 4;

    std::array<ErrorCard, CardCount> cards;
    int wrongIndex = 0;
    bool pictures = true; // the cards show their numbers as pictures too
    QString picture;      // the one picture of all cards

    QString text() const; // every card, for the answer log
};

constexpr int FindErrorsLevels = 4;
FindErrorsQuestion drawFindErrorsQuestion(RandomGenerator &random, int level);

} // namespace abacolo
