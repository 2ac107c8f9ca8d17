#pragma once

// What the activity windows' tests share: bringing a window up as the main window does,
// reading its flag row, and what every answer does the same in each activity.
#include "activities/activityform.h"
#include "activities/draggable.h"
#include "services/answerlog.h"
#include "shell/mainform.h"
#include "tests/support/testworld.h"
#include "toolkit/imagebutton.h"

#include <QTest>

namespace abacolo::test {

// Brings an activity up as its topic button does: it becomes active coming from the main
// window, which draws its first question.
inline bool openActivity(ActivityForm *form)
{
    mymainForm->activateWindow();
    if (!QTest::qWaitForWindowActive(mymainForm))
        return false;
    form->Show();
    return QTest::qWaitForWindowActive(form);
}

// A left click on the middle of `widget`, or at `at` in it.
inline void click(QWidget *widget, QPoint at = {})
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, at.isNull() ? widget->rect().center() : at);
}

// One of a question's answer choices that is not the right one.
template <class Question>
int aWrongChoice(const Question &question)
{
    return (question.answerIndex() + 1) % Question::ChoiceCount;
}

inline int visibleFlags(const ActivityForm *form)
{
    int shown = 0;
    for (int n = 1; n <= 10; ++n)
        shown += form->flag(n)->isHidden() ? 0 : 1;
    return shown;
}

// After the first answer to a question that was right: "vright" comes first, then the pause
// after a right answer, one flag, and one right row of `activity` in the answer log, timed
// from the question's appearance. Returns that row, or null when a check failed.
inline const AnsweredQuestion *loggedRightAnswer(const TestWorld &world, const ActivityForm *form,
                                                 const QString &activity, int msecsTaken)
{
    [&] {
        QVERIFY(!world.cues.played.isEmpty());
        QCOMPARE(world.cues.played.first(), QStringLiteral("vright"));
        QCOMPARE(world.clock.holds, QList<int>{ActivityForm::PauseAfterRight});
        QCOMPARE(visibleFlags(form), 1);
        QCOMPARE(world.answers.recorded.size(), 1);
        const AnsweredQuestion &row = world.answers.recorded.first();
        QCOMPARE(row.activity, activity);
        QVERIFY(row.right);
        QCOMPARE(row.msecsTaken, msecsTaken);
    }();
    return QTest::currentTestFailed() ? nullptr : &world.answers.recorded.first();
}

// After a first answer that was wrong: only "vwrong", no pause, no flag, and one wrong row
// holding `answer`; the question stays.
inline void checkWrongAnswer(const TestWorld &world, const ActivityForm *form, const QString &answer)
{
    QCOMPARE(world.cues.played, QStringList{QStringLiteral("vwrong")});
    QVERIFY(world.clock.holds.isEmpty());
    QCOMPARE(visibleFlags(form), 0);
    QCOMPARE(world.answers.recorded.size(), 1);
    QVERIFY(!world.answers.recorded.first().right);
    QCOMPARE(world.answers.recorded.first().answer, answer);
}

// Drags a thing on the stage by its middle to `to` (in the stage's coordinates) with real
// mouse events on it, in a few steps, as a hand would.
inline void drag(Draggable *piece, QPoint to)
{
    const QPoint grab(piece->width() / 2, piece->height() / 2);
    QTest::mousePress(piece, Qt::LeftButton, {}, grab);
    const QPoint from = piece->geometry().center();
    for (int step = 1; step <= 4; ++step) {
        const QPoint at = from + (to - from) * step / 4;
        QTest::mouseMove(piece, grab + at - piece->geometry().center());
    }
    QTest::mouseRelease(piece, Qt::LeftButton, {}, grab);
}

} // namespace abacolo::test
