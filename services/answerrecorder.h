#pragma once

#include "services/answerlog.h"

#include <QList>

namespace abacolo {

class Clock;

// An activity's side of the answer log: times each question from the moment it is on screen
// and reports each answer once. The answer is taken (given) at the click, and written
// (report) once the activity's cue has started, so the log's disk write never delays a cue.
class AnswerRecorder
{
public:
    AnswerRecorder(const Clock &clock, AnswerLog &log, QString activity);

    // The question is on screen from now on.
    void asked(const QString &question);
    // The child answered the question on screen; the time taken is fixed now.
    void given(const QString &answer, bool right);
    // One of several questions asked together (a sheet) was answered.
    void given(const QString &question, const QString &answer, bool right);
    // Writes the answers given since the last report to the log.
    void report();

private:
    const Clock &m_clock;
    AnswerLog &m_log;
    QString m_activity;
    QString m_question;
    qint64 m_askedAt = 0;
    QList<AnsweredQuestion> m_given;
};

} // namespace abacolo
