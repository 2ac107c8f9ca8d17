#pragma once

#include "activities/levels.h"
#include "toolkit/form.h"

class QLabel;

namespace abacolo {

class FileTheme;
class FlagRow;
class ImageButton;
class Panel;
class RandomGenerator;
struct Services;

// What every activity window shares: the request written above a black stage and spoken when
// a question appears, the level as stars in the top corner, the flag row at the foot whose
// first flag opens the flag window, and the answer sequences. A right answer plays "vright",
// adds a flag and moves on after a short pause; a wrong one plays "vwrong" and the question
// stays, but every third wrong answer of the run shows the answer and moves on. Every answer
// goes to the answer log, timed from the question's appearance.
class ActivityForm : public Form
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ActivityForm)

public:
    // `activity` is the answer log's key of the activity; its caption is the activity's name.
    ActivityForm(const QString &instanceName, const QString &activity, int highestLevel,
                 Services &services);

    QLabel *requestLabel;
    QLabel *starsLabel;
    Panel *stage;      // where the question stands
    FlagRow *flagRow;
    FileTheme *suiFileTheme1;

    int flagCount = 0;
    int flagSet = 0;

    int level() const { return m_ladder.level(); }
    QString request() const { return m_request; }
    ImageButton *flag(int n) const;

    // Event handlers.
    void FormShow() override;     // the first question, before the window is first painted
    void FormActivate() override; // a new question each time the window is brought up again
    void flagClick();             // the first flag: the flag window, modally

    // Draws a new question of the current level.
    void newQuestion();

    // The pauses of the answer sequences.
    static constexpr int PauseAfterRight = 1500;
    static constexpr int PauseAfterAnswerShown = 2500;

protected:
    // Draws a question of `level` with the freshly seeded generator and asks it.
    virtual void drawQuestion(RandomGenerator &random, int level) = 0;
    // Shows the right answer of the question on the stage.
    virtual void showAnswer() = 0;

    // Writes the request above the stage, speaks its clip and starts timing the answer.
    void ask(const QString &request, const QString &clip);
    // Records the answer, then runs the right or the wrong answer's sequence.
    void answered(const QString &question, const QString &given, bool right);
    // The parts of answered(), for an activity whose answers do not all end its question.
    void record(const QString &question, const QString &given, bool right);
    void rewardAndMoveOn();        // ladder up a step, flag, "vright", pause, move on
    void countWrong();             // ladder down a step, "vwrong"; every third: the answer
    void stepLadder(bool right);
    void flagAndCheer();           // one more flag and "vright"
    bool wrongCueShowsAnswer();    // "vwrong"; true at every third wrong answer
    // What follows a right answer, or an answer shown: a new question, unless the activity
    // asks more about the same one.
    virtual void moveOn();

    Services &m_services;

private:
    void showStars();

    QString m_activity;
    LevelLadder m_ladder;
    WrongAnswerTally m_wrongs;
    QString m_request;
    qint64 m_askedAt = 0;
    bool m_askedOnShow = false; // the activation that follows the show keeps that question
};

} // namespace abacolo
