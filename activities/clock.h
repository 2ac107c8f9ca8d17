#pragma once

#include "activities/activityform.h"
#include "activities/clockrules.h"

#include <array>

namespace abacolo {

class ClockFace;
class StageButton;

// The clock activity "认识时间": an analogue clock; the child picks the time it shows from
// three written times, and later sets the hands to a spoken time by dragging the long hand,
// then presses "好了".
class TClockForm : public ActivityForm
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TClockForm)

public:
    explicit TClockForm(Services &services);

    const ClockQuestion &question() const { return m_question; }
    ClockFace *clockFace;
    StageButton *doneButton; // "好了": the hands are set
    StageButton *choiceButton(int i) const { return m_choices.at(size_t(i)); }

    void choiceClick(int i);
    void doneClick();

protected:
    void drawQuestion(RandomGenerator &random, int level) override;
    void showAnswer() override;

private:
    ClockQuestion m_question;
    std::array<StageButton *, 3> m_choices{};
};

extern TClockForm *ClockForm;

} // namespace abacolo
