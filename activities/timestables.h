#pragma once

#include "activities/activityform.h"
#include "activities/timestablesrules.h"

#include <array>

namespace abacolo {

class StageButton;

// The times-tables activity "乘法口诀": the tables up to nine as the traditional triangle of
// rhyme cards. A card clicked is spoken and shown as groups of pictures ("三四十二": three
// groups of four). One card of the level's tables is hidden at a time and the child picks its
// product from four numbers; the groups of the hidden card stand ready to be counted.
class TTimesTablesForm : public ActivityForm
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TTimesTablesForm)

public:
    static constexpr int CardCount = LargestTable * (LargestTable + 1) / 2;

    explicit TTimesTablesForm(Services &services);

    const TimesTablesQuestion &question() const { return m_question; }
    // The card of `first` × `second`, first ≤ second.
    StageButton *card(int first, int second) const;
    StageButton *choice(int i) const { return m_choices.at(size_t(i)); }
    StageButton *groupsView() const { return m_groupsView; }
    // The card whose groups are shown, and whether its product is shown with them.
    TimesFact shownFact() const { return m_shown; }
    bool productShown() const { return m_productShown; }
    bool isHidden(const TimesFact &fact) const { return fact == m_question.fact && !m_revealed; }

    void cardClick(const TimesFact &fact);
    void choiceClick(int i);

protected:
    void drawQuestion(RandomGenerator &random, int level) override;
    void showAnswer() override;

private:
    void paintCard(const TimesFact &fact);
    void showGroups(const TimesFact &fact, bool withProduct);
    void reveal();

    TimesTablesQuestion m_question;
    bool m_revealed = false;
    TimesFact m_shown;
    bool m_productShown = false;
    std::array<StageButton *, CardCount> m_cards{};
    std::array<StageButton *, TimesTablesQuestion::ChoiceCount> m_choices{};
    StageButton *m_groupsView = nullptr;
};

extern TTimesTablesForm *TimesTablesForm;

} // namespace abacolo
