#pragma once

#include "activities/activityform.h"
#include "activities/shapesrules.h"

#include <array>

namespace abacolo {

class StageButton;

// The shapes activity "物体几何形状": a spoken and written request ("找一找圆形") and four
// to six shapes on the stage; the child clicks the one asked for.
class TShapesForm : public ActivityForm
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TShapesForm)

public:
    explicit TShapesForm(Services &services);

    static constexpr int MostShapes = 6;

    const ShapeQuestion &question() const { return m_question; }
    // Shape card i (0 … MostShapes - 1); cards beyond the question's shapes are hidden.
    StageButton *shapeCard(int i) const { return m_cards.at(size_t(i)); }

    void shapeCardClick(int i);

protected:
    void drawQuestion(RandomGenerator &random, int level) override;
    void showAnswer() override;

private:
    ShapeQuestion m_question;
    std::array<StageButton *, MostShapes> m_cards{};
};

extern TShapesForm *ShapesForm;

} // namespace abacolo
