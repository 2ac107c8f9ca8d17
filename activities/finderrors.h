#pragma once

#include "activities/activityform.h"
#include "activities/finderrorsrules.h"

#include <array>

namespace abacolo {

class StageButton;

// The finding-errors activity "找错误": four cards, each a counted group with its number or a
// small sum with its result; exactly one is wrong and the child clicks it.
class TFindErrorsForm : public ActivityForm
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TFindErrorsForm)

public:
    explicit TFindErrorsForm(Services &services);

    const FindErrorsQuestion &question() const { return m_question; }
    StageButton *card(int i) const { return m_cards.at(size_t(i)); }

    void cardClick(int i);

protected:
    void drawQuestion(RandomGenerator &random, int level) override;
    void showAnswer() override;

private:
    FindErrorsQuestion m_question;
    std::array<StageButton *, FindErrorsQuestion::CardCount> m_cards{};
};

extern TFindErrorsForm *FindErrorsForm;

} // namespace abacolo
