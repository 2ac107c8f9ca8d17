#pragma once

#include <QPoint>
#include <QString>
#include <QTime>
#include <QtGlobal>

namespace abacolo {

class AnswerLog;
class Pictures;
class RandomGenerator;
class TableSession;

// The clock: whole seconds for seeding, the time of day, and the waits of answer sequences.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual qint64 secondsNow() const = 0;
    virtual QTime timeOfDay() const = 0;
    // Milliseconds on a steady clock, for timing answers.
    virtual qint64 elapsedMs() const = 0;
    // Waits `ms` while holding the program's handlers: windows repaint, but no click, key
    // or timer handler of ours runs until the wait is over; what came meanwhile runs after.
    virtual void hold(int ms) = 0;
};

// Modal message boxes.
class Dialogs
{
public:
    enum class Answer { Yes, No };
    virtual ~Dialogs() = default;
    // The toolkit's error box for an error that escaped a handler.
    virtual void showError(const QString &text) = 0;
    // A question with Yes and No.
    virtual Answer ask(const QString &caption, const QString &text) = 0;
    // A message with OK.
    virtual void tell(const QString &caption, const QString &text) = 0;
    // A message with OK and the exclamation icon: the user has to put something right.
    virtual void warn(const QString &caption, const QString &text) = 0;
};

// Voice cues carried by the program.
class Cues
{
public:
    virtual ~Cues() = default;
    // Starts the named clip and returns at once; a new cue cuts off the playing one. A cue
    // that cannot play reports nothing.
    virtual void PlayCue(const QString &name) = 0;
};

// The progress counters of "sys.db".
class Counters
{
public:
    virtual ~Counters() = default;
    // Adds one to the named counter of the current record and stores it; raises AppError
    // when the table is not open or the field does not exist.
    virtual void IncrementCounter(const QString &field) = 0;
};

// The display mode switch of the main window.
class Display
{
public:
    virtual ~Display() = default;
    virtual QSize screenSize() const = 0;
    // Asks for width × height on the primary display, keeping depth and refresh; a refusal
    // changes nothing and reports nothing.
    virtual void SetDisplaySize(int width, int height) = 0;
    // Where the top-left corner of the 1024 × 768 design lies on the screen.
    virtual QPoint designOrigin() const { return {}; }
};

// What every window receives from the program: the shared services.
struct Services
{
    Clock &clock;
    RandomGenerator &random;
    Dialogs &dialogs;
    Cues &cues;
    Pictures &pictures;
    Counters &counters;
    TableSession &session;
    Display &display;
    AnswerLog &answers;
};

} // namespace abacolo
