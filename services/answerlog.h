#pragma once

#include <QDateTime>
#include <QString>
#include <QtGlobal>

namespace abacolo {

// One answered question, as an activity reports it.
struct AnsweredQuestion
{
    QString activity;     // stable key of the activity: "counting", "addition", "sheet" …
    QString question;     // the question as text: "3+4", "认识时间 3:30"
    QString answer;       // what the child gave: "7"
    bool right = false;
    qint64 msecsTaken = 0;   // from the question on screen to the answer
};

// The answer log: every activity reports each answered question once, after its cue has
// started (a write may wait for the disk). The log stamps the time of day itself. Recording
// never throws into the activity: a log that cannot be written reports its trouble once and
// the activity goes on.
class AnswerLog
{
public:
    virtual ~AnswerLog() = default;
    virtual void record(const AnsweredQuestion &answered) = 0;
};

} // namespace abacolo
