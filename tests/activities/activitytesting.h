#pragma once

// What the activity windows' tests share: bringing a window up as the main window does,
// reading its flag row, and the checks of what one answer leaves behind.
#include "activities/activityform.h"
#include "activities/draggable.h"
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

inline int visibleFlags(const ActivityForm *form)
{
    int shown = 0;
    for (int n = 1; n <= 10; ++n)
        shown += form->flag(n)->isHidden() ? 0 : 1;
    return shown;
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

// The one answer since the window came up: its cue alone at first, and its row in the log.
// A right one adds the first flag and pauses before the next question; a wrong one neither.
inline void checkOneAnswer(const TestWorld &world, const ActivityForm *form,
                           const AnsweredQuestion &expected)
{
    QCOMPARE(world.cues.played.first(), QString::fromUtf16(expected.right ? u"vright" : u"vwrong"));
    QCOMPARE(world.clock.holds,
             expected.right ? QList<int>{ActivityForm::PauseAfterRight} : QList<int>{});
    QCOMPARE(visibleFlags(form), expected.right ? 1 : 0);
    QCOMPARE(world.answers.recorded.size(), 1);
    const AnsweredQuestion &row = world.answers.recorded.first();
    QCOMPARE(row.activity, expected.activity);
    QCOMPARE(row.question, expected.question);
    QCOMPARE(row.answer, expected.answer);
    QCOMPARE(row.right, expected.right);
    QCOMPARE(row.msecsTaken, expected.msecsTaken);
}

} // namespace abacolo::test
