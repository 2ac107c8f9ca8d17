#pragma once

#include "activities/activityform.h"
#include "activities/directionsrules.h"

#include <array>

namespace abacolo {

class StageButton;

// The directions activity "魔法数字": a small animal on a grid and a spoken instruction
// ("向右走3步"); the child clicks the square where the animal ends, or walks it there with the
// arrow buttons.
class TDirectionsForm : public ActivityForm
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TDirectionsForm)

public:
    explicit TDirectionsForm(Services &services);

    const DirectionsQuestion &question() const { return m_question; }
    StageButton *square(QPoint at) const;
    StageButton *arrowButton(Heading heading) const { return m_arrows.at(size_t(heading)); }
    QPoint animalAt() const { return m_walk.position(); }

    void squareClick(QPoint at);
    void arrowClick(Heading heading);

protected:
    void drawQuestion(RandomGenerator &random, int level) override;
    void showAnswer() override;

private:
    // Draws the animal on its square and lights the squares it has walked.
    void showGrid();

    DirectionsQuestion m_question;
    ArrowWalk m_walk{m_question};
    QList<QPoint> m_walked;
    std::array<StageButton *, DirectionsQuestion::Columns * DirectionsQuestion::Rows> m_squares{};
    std::array<StageButton *, 4> m_arrows{};
};

extern TDirectionsForm *DirectionsForm;

} // namespace abacolo
