#pragma once

#include <QList>
#include <QRectF>
#include <QString>

#include <array>

namespace abacolo {

class RandomGenerator;

// One card of the times table, `first` × `second` with first ≤ second, as the traditional
// rhyme says it: a product under ten with "得" ("二三得六"), ten or more without
// ("二五一十", "三四十二").
struct TimesFact
{
    int first = 1;
    int second = 1;

    int product() const { return first * second; }
    QString rhyme() const; // "三四十二"
    QString hidden() const; // the rhyme with its product hidden: "三四？"
    QString request() const; // "三个四是几？"
    QString rhymeClip() const; // "rhyme_3_4"
    QString requestClip() const; // "times_3_4"
    QString text() const; // "3×4", for the answer log

    friend bool operator==(const TimesFact &, const TimesFact &) = default;
};

// The cards of the tables up to `upTo` in the traditional triangle, row by row: row n holds
// 1 × n … n × n.
QList<TimesFact> timesTable(int upTo);

// A question of the times-tables activity: one card is hidden and the child picks its
// product from four numbers. The levels: the tables up to three, up to five, up to nine.
struct TimesTablesQuestion
{
    static constexpr int ChoiceCount = 4;

    TimesFact fact;
    QString picture; // what the groups show
    std::array<int, ChoiceCount> choices{};

    int answerIndex() const;
};

constexpr int TimesTablesLevels = 3;
constexpr int LargestTable = 9;
int tablesUpTo(int level);

// Where `groups` groups stand in `area`: one row, or two from six groups on; at most 190
// wide each, centred.
QList<QRectF> groupBoxes(const QRectF &area, int groups);
TimesTablesQuestion drawTimesTablesQuestion(RandomGenerator &random, int level);

} // namespace abacolo
