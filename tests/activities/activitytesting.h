#pragma once

// What the activity windows' tests share: bringing a window up as the main window does, and
// reading its flag row.
#include "activities/activityform.h"
#include "shell/mainform.h"
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

} // namespace abacolo::test
