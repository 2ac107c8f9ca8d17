#pragma once

#include "activities/activityform.h"
#include "activities/balancerules.h"

#include <array>

class QLabel;

namespace abacolo {

class BalanceView;
class Draggable;

// The balance activity "等量建立": fruit or weights on the left pan; the child drags weights
// from the tray onto the right pan until the balance is level, and the equation is written
// under it. A right pan made heavier than the left tips the balance that way for a moment,
// counts as a wrong answer and gives its last weight back to the tray.
class TBalanceForm : public ActivityForm
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TBalanceForm)

public:
    explicit TBalanceForm(Services &services);

    static constexpr int Weights = 9;
    static constexpr int PauseWhenTooHeavy = 900;

    const BalanceQuestion &question() const { return m_question; }
    BalanceView *balanceView;
    QLabel *equationLabel;
    Draggable *weight(int value) const { return m_weights.at(size_t(value - 1)); }
    // The weights on the right pan, in the order they were put there.
    QList<int> rightPan() const { return m_pan; }
    int rightTotal() const;

    void weightDropped(int value, QPoint centre);

protected:
    void drawQuestion(RandomGenerator &random, int level) override;
    void showAnswer() override;

private:
    void placeWeights();
    void judge();
    QString questionText() const;

    BalanceQuestion m_question;
    std::array<Draggable *, Weights> m_weights{};
    QList<int> m_pan;
};

extern TBalanceForm *BalanceForm;

} // namespace abacolo
