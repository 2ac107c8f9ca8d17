#include "services/answerrecorder.h"

#include "services/services.h"

#include <utility>

namespace abacolo {

AnswerRecorder::AnswerRecorder(const Clock &clock, AnswerLog &log, QString activity)
    : m_clock(clock)
    , m_log(log)
    , m_activity(std::move(activity))
{
}

void AnswerRecorder::asked(const QString &question)
{
    m_question = question;
    m_askedAt = m_clock.elapsedMs();
}

void AnswerRecorder::given(const QString &answer, bool right)
{
    given(m_question, answer, right);
}

void AnswerRecorder::given(const QString &question, const QString &answer, bool right)
{
    m_given.append({m_activity, question, answer, right, m_clock.elapsedMs() - m_askedAt});
}

void AnswerRecorder::report()
{
    const QList<AnsweredQuestion> given = std::exchange(m_given, {});
    for (const AnsweredQuestion &answered : given)
        m_log.record(answered);
}

} // namespace abacolo
