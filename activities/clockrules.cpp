#include "activities/clockrules.h"

#include "services/random.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace abacolo {

ClockTime ClockTime::fromSinceTwelve(int minutes)
{
    minutes = ((minutes % 720) + 720) % 720;
    const int hour = minutes / 60;
    return {hour == 0 ? 12 : hour, minutes % 60};
}

QString ClockTime::spoken() const
{
    if (minute == 0)
        return u"%1点"_s.arg(hour);
    if (minute == 30)
        return u"%1点半"_s.arg(hour);
    return written();
}

QString ClockTime::written() const
{
    return u"%1:%2"_s.arg(hour).arg(minute, 2, 10, QChar(u'0'));
}

QString ClockTime::setClip() const
{
    return u"set_%1_%2"_s.arg(hour).arg(minute, 2, 10, QChar(u'0'));
}

namespace {

ClockTime drawTime(RandomGenerator &random, bool halfHours)
{
    return {1 + random.below(12), halfHours && random.below(2) == 1 ? 30 : 0};
}

} // namespace

ClockQuestion drawClockQuestion(RandomGenerator &random, int level)
{
    ClockQuestion question;
    const bool halfHours = level == 2 || level == 4;
    question.setHands = level >= 3;
    if (question.setHands) {
        // The hands start at twelve: twelve itself is no question.
        do {
            question.time = drawTime(random, halfHours);
        } while (question.time.sinceTwelve() == 0);
        return question;
    }
    question.time = drawTime(random, halfHours);
    QList<ClockTime> choices{question.time};
    if (halfHours) {
        // The same hour with the other half is the choice worth telling apart.
        choices.append({question.time.hour, 30 - question.time.minute});
    }
    while (choices.size() < 3) {
        const ClockTime other = drawTime(random, halfHours);
        if (!choices.contains(other))
            choices.append(other);
    }
    // The right one at a random place.
    const int place = random.below(3);
    choices.swapItemsAt(0, place);
    question.choices = choices;
    return question;
}

int minutesAfterDrag(int sinceTwelve, double angle)
{
    const double turned = std::fmod(std::fmod(angle, 360.0) + 360.0, 360.0);
    const int minute = (int(std::lround(turned / 30.0)) * 5) % 60;
    int delta = minute - sinceTwelve % 60;
    if (delta > 30)
        delta -= 60;
    else if (delta < -30)
        delta += 60;
    return ((sinceTwelve + delta) % 720 + 720) % 720;
}

} // namespace abacolo
