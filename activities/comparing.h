#pragma once

#include "activities/activityform.h"
#include "activities/comparingrules.h"

#include <array>

namespace abacolo {

class StageButton;

// The comparing activity "比较数字": two groups of pictures, later two numbers; the child
// clicks the group with more, or ">", "<" or "=" between them.
class TComparingForm : public ActivityForm
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TComparingForm)

public:
    explicit TComparingForm(Services &services);

    const ComparingQuestion &question() const { return m_question; }
    StageButton *leftGroup;
    StageButton *rightGroup;
    // The sign buttons ">", "<", "=".
    StageButton *signButton(Relation relation) const { return m_signs.at(size_t(relation)); }

    void groupClick(bool leftSide);
    void signClick(Relation relation);

protected:
    void drawQuestion(RandomGenerator &random, int level) override;
    void showAnswer() override;

private:
    void showSide(StageButton *side, int amount);
    QString questionText() const;

    ComparingQuestion m_question;
    std::array<StageButton *, 3> m_signs{};
};

extern TComparingForm *ComparingForm;

} // namespace abacolo
