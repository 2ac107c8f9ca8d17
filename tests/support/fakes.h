#pragma once

#include "services/answerlog.h"
#include "services/services.h"

#include <QList>
#include <QSize>
#include <QStringList>
#include <functional>

namespace abacolo::test {

// A clock that tests set; hold() advances it at once and records the wait.
class FakeClock : public Clock
{
public:
    qint64 secondsNow() const override { return seconds; }
    QTime timeOfDay() const override { return time; }
    qint64 elapsedMs() const override { return elapsed; }
    void hold(int ms) override;

    qint64 seconds = 1'700'000'000;
    QTime time{9, 30, 0};
    qint64 elapsed = 0;                // advanced by every wait
    QList<int> holds;                  // every wait, in order
    std::function<void(int)> onHold;   // runs at each wait, e.g. to look at the screen
};

// Message boxes answered by script; every box shown is recorded.
class ScriptedDialogs : public Dialogs
{
public:
    struct Shown
    {
        QString kind;    // "error", "ask", "tell" or "warn"
        QString caption;
        QString text;
    };

    void showError(const QString &text) override;
    Answer ask(const QString &caption, const QString &text) override;
    void tell(const QString &caption, const QString &text) override;
    void warn(const QString &caption, const QString &text) override;

    QList<Answer> answers;   // taken in order by ask(); an unscripted question fails the test
    QList<Shown> shown;
    QStringList errors() const;
};

// Cues recorded instead of played.
class RecordingCues : public Cues
{
public:
    void PlayCue(const QString &name) override { played.append(name); }
    QStringList played;
};

// Answers recorded in memory instead of the log file.
class RecordingAnswerLog : public AnswerLog
{
public:
    void record(const AnsweredQuestion &answered) override
    {
        if (onRecord)
            onRecord(answered);
        recorded.append(answered);
    }
    QList<AnsweredQuestion> recorded;
    std::function<void(const AnsweredQuestion &)> onRecord;   // runs at each answer, e.g. to see what was played
};

// A display whose size tests set; mode switches are recorded.
class FakeDisplay : public Display
{
public:
    QSize screenSize() const override { return size; }
    void SetDisplaySize(int width, int height) override;

    QSize size{1024, 768};
    QList<QSize> requests;
};

} // namespace abacolo::test
