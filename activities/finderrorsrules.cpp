#include "activities/finderrorsrules.h"

#include "activities/countedthings.h"
#include "services/random.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace abacolo {

namespace {

// A right card of the level; the highest number on it stays within `highest`.
ErrorCard drawRightCard(RandomGenerator &random, int level)
{
    ErrorCard card;
    if (level == 1) {
        card.first = 1 + random.below(5);
    } else {
        const int highest = level == 2 ? 5 : level == 3 ? 10 : 20;
        const bool difference = level >= 3 && random.below(2) == 0;
        // Picture groups hold up to nine, so a picture difference starts from nine at most.
        const int topOfFirst = level == 3 && difference ? 9 : highest;
        if (difference) {
            card.kind = ErrorCard::Kind::Difference;
            card.first = 2 + random.below(topOfFirst - 1);
            card.second = 1 + random.below(card.first - 1);
        } else {
            card.kind = ErrorCard::Kind::Sum;
            card.first = 1 + random.below(highest - 1);
            card.second = 1 + random.below(highest - card.first);
        }
    }
    card.shown = card.truth();
    return card;
}

// A near miss: one or two away from the truth, never below what the card could show.
int wrongResult(RandomGenerator &random, const ErrorCard &card)
{
    const int lowest = card.kind == ErrorCard::Kind::Group ? 1 : 0;
    const int by = 1 + random.below(2);
    const int up = card.truth() + by;
    const int down = card.truth() - by;
    if (down < lowest || random.below(2) == 0)
        return up;
    return down;
}

} // namespace

int ErrorCard::truth() const
{
    switch (kind) {
    case Kind::Group:
        return first;
    case Kind::Sum:
        return first + second;
    case Kind::Difference:
        break;
    }
    return first - second;
}

QString ErrorCard::text() const
{
    switch (kind) {
    case Kind::Group:
        return QString::number(shown);
    case Kind::Sum:
        return u"%1 + %2 = %3"_s.arg(first).arg(second).arg(shown);
    case Kind::Difference:
        break;
    }
    return u"%1 - %2 = %3"_s.arg(first).arg(second).arg(shown);
}

QString FindErrorsQuestion::text() const
{
    QStringList texts;
    for (const ErrorCard &card : cards)
        texts.append(card.kind == ErrorCard::Kind::Group ? u"%1个=%2"_s.arg(card.first).arg(card.shown)
                                                         : card.text());
    return u"哪张错了："_s + texts.join(u"，"_s);
}

FindErrorsQuestion drawFindErrorsQuestion(RandomGenerator &random, int level)
{
    FindErrorsQuestion question;
    question.pictures = level <= 3;
    const QStringList things = countedThings();
    question.picture = things.at(random.below(int(things.size())));
    question.wrongIndex = random.below(FindErrorsQuestion::CardCount);
    for (int i = 0; i < FindErrorsQuestion::CardCount; ++i) {
        // No two cards alike, so the child compares four different things.
        ErrorCard card;
        bool repeated = true;
        while (repeated) {
            card = drawRightCard(random, level);
            if (i == question.wrongIndex)
                card.shown = wrongResult(random, card);
            repeated = false;
            for (int j = 0; j < i; ++j) {
                const ErrorCard &other = question.cards.at(size_t(j));
                repeated = repeated || (other.kind == card.kind && other.first == card.first &&
                                        other.second == card.second);
            }
        }
        question.cards.at(size_t(i)) = card;
    }
    return question;
}

} // namespace abacolo
