#pragma once

#include <QList>
#include <QString>

namespace abacolo {

class RandomGenerator;

// A time on the clock face: hours 1 … 12 and minutes.
struct ClockTime
{
    int hour = 12;
    int minute = 0;

    // Minutes since twelve o'clock, 0 … 719: where both hands stand.
    int sinceTwelve() const { return (hour % 12) * 60 + minute; }
    static ClockTime fromSinceTwelve(int minutes);

    // As a child says it: "3点", "3点半"; other minutes as "3:05".
    QString spoken() const;
    // As a clock writes it: "3:30".
    QString written() const;
    // The clip asking to set it: "set_3_30".
    QString setClip() const;

    bool operator==(const ClockTime &) const = default;
};

// A question of the clock activity: read the time the face shows by picking one of three
// written times (whole hours, then half hours), or set the hands to a spoken time by
// dragging the long hand (whole hours, then half hours) from twelve o'clock.
struct ClockQuestion
{
    ClockTime time;
    bool setHands = false;
    QList<ClockTime> choices; // reading only: three different times, one of them right

    int answerIndex() const { return int(choices.indexOf(time)); }
};

constexpr int ClockLevels = 4;
ClockQuestion drawClockQuestion(RandomGenerator &random, int level);

// Where the hands stand after the long hand is dragged to `angle` (degrees clockwise from
// twelve): the long hand snaps to five minutes and takes the short hand along, forward or
// back over twelve, the shorter way round.
int minutesAfterDrag(int sinceTwelve, double angle);

} // namespace abacolo
