#include "activities/timestablesrules.h"

#include "activities/countedthings.h"
#include "services/random.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace abacolo {

namespace {

const QString Digits = u"一二三四五六七八九"_s;

QString digit(int n)
{
    return Digits.at(n - 1);
}

// A product as the rhymes say it: "一十" for ten, "十二" for twelve, "二十五".
QString spokenProduct(int n)
{
    const int tens = n / 10;
    const int units = n % 10;
    if (tens == 0)
        return digit(units);
    QString spoken = tens == 1 && units != 0 ? u"十"_s : digit(tens) + u"十"_s;
    if (units != 0)
        spoken += digit(units);
    return spoken;
}

} // namespace

QString TimesFact::rhyme() const
{
    const int p = product();
    return digit(first) + digit(second) + (p < 10 ? u"得"_s : QString()) + spokenProduct(p);
}

QString TimesFact::hidden() const
{
    return digit(first) + digit(second) + u"？"_s;
}

QString TimesFact::request() const
{
    // "两个" as a measure is said "两", as a number "二": "两个三是几？", "三个二是几？".
    return (first == 2 ? u"两"_s : digit(first)) + u"个"_s + digit(second) + u"是几？"_s;
}

QString TimesFact::rhymeClip() const
{
    return u"rhyme_%1_%2"_s.arg(first).arg(second);
}

QString TimesFact::requestClip() const
{
    return u"times_%1_%2"_s.arg(first).arg(second);
}

QString TimesFact::text() const
{
    return u"%1×%2"_s.arg(first).arg(second);
}

QList<TimesFact> timesTable(int upTo)
{
    QList<TimesFact> cards;
    for (int second = 1; second <= upTo; ++second) {
        for (int first = 1; first <= second; ++first)
            cards.append({first, second});
    }
    return cards;
}

int TimesTablesQuestion::answerIndex() const
{
    const auto it = std::find(choices.begin(), choices.end(), fact.product());
    return it == choices.end() ? -1 : int(it - choices.begin());
}

int tablesUpTo(int level)
{
    static constexpr std::array<int, TimesTablesLevels> upTo{3, 5, LargestTable};
    return upTo.at(size_t(level - 1));
}

QList<QRectF> groupBoxes(const QRectF &area, int groups)
{
    const int rows = groups <= 5 ? 1 : 2;
    const int perRow = (groups + rows - 1) / rows;
    const double width = std::min(area.width() / perRow, 190.0);
    const double height = area.height() / rows;
    QList<QRectF> boxes;
    for (int i = 0; i < groups; ++i) {
        const int row = i / perRow;
        const int inRow = row == rows - 1 ? groups - row * perRow : perRow;
        boxes.append(QRectF(area.center().x() - inRow * width / 2 + (i % perRow) * width,
                            area.top() + row * height, width, height));
    }
    return boxes;
}

TimesTablesQuestion drawTimesTablesQuestion(RandomGenerator &random, int level)
{
    const QList<TimesFact> cards = timesTable(tablesUpTo(level));
    TimesTablesQuestion question;
    question.fact = cards.at(random.below(int(cards.size())));
    const QStringList things = countedThings();
    question.picture = things.at(random.below(int(things.size())));

    // The slips a child makes: the product of a neighbouring card (a group more or less, one
    // more or less in each group), then numbers next to the answer when the neighbours run
    // out at the table's edge.
    const int a = question.fact.first;
    const int b = question.fact.second;
    const int answer = question.fact.product();
    QList<int> wrong;
    auto add = [&](const QList<int> &candidates) {
        for (const int n : candidates) {
            if (n > 0 && n != answer && !wrong.contains(n)
                && wrong.size() < TimesTablesQuestion::ChoiceCount - 1)
                wrong.append(n);
        }
    };
    QList<int> neighbours{a * (b + 1), a * (b - 1), (a + 1) * b, (a - 1) * b};
    for (qsizetype i = neighbours.size() - 1; i > 0; --i)
        std::swap(neighbours[i], neighbours[random.below(int(i) + 1)]);
    add(neighbours);
    add({answer + 1, answer - 1, answer + 2, answer - 2, answer + 3});

    std::array<int, TimesTablesQuestion::ChoiceCount> choices{answer, wrong.at(0), wrong.at(1),
                                                              wrong.at(2)};
    for (int i = TimesTablesQuestion::ChoiceCount - 1; i > 0; --i)
        std::swap(choices.at(size_t(i)), choices.at(size_t(random.below(i + 1))));
    question.choices = choices;
    return question;
}

} // namespace abacolo
