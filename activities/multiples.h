#pragma once

#include "activities/activityform.h"
#include "activities/multiplesrules.h"

#include <array>

namespace abacolo {

class StageButton;

// The multiples activity "倍数的认识": pictures in groups of 2, 5 or 10, counted on by groups;
// the counted groups are lit with their counts ("2, 4, 6") and the child picks the count of
// the last, dark group from four number buttons.
class TMultiplesForm : public ActivityForm
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TMultiplesForm)

public:
    explicit TMultiplesForm(Services &services);

    const MultiplesQuestion &question() const { return m_question; }
    StageButton *group(int i) const { return m_groups.at(size_t(i)); }
    StageButton *choice(int i) const { return m_choices.at(size_t(i)); }
    bool isLit(int group) const { return group < m_lit; }

    void choiceClick(int i);

protected:
    void drawQuestion(RandomGenerator &random, int level) override;
    void showAnswer() override;

private:
    // Lights the first `count` groups, each with its count; the others stay dark with "?".
    void lightGroups(int count);

    MultiplesQuestion m_question;
    int m_lit = 0;
    std::array<StageButton *, MostGroups> m_groups{};
    std::array<StageButton *, MultiplesQuestion::ChoiceCount> m_choices{};
};

extern TMultiplesForm *MultiplesForm;

} // namespace abacolo
