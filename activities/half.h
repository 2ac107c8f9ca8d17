#pragma once

#include "activities/activityform.h"
#include "activities/halfrules.h"

#include <array>

namespace abacolo {

class CutView;
class Draggable;
class StageButton;

// The half activity "一半": an even number of fruit on one plate; the child drags half of
// them onto the empty plate and presses "好了". Later a shape with three lines across it; the
// child clicks the line that cuts it into two equal halves.
class THalfForm : public ActivityForm
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(THalfForm)

public:
    explicit THalfForm(Services &services);

    static constexpr int MostFruit = 10;

    const HalfQuestion &question() const { return m_question; }
    QWidget *fullPlate;  // where the fruit starts
    QWidget *emptyPlate; // where half of it goes
    StageButton *doneButton;
    CutView *cutView;
    Draggable *fruit(int i) const { return m_fruit.at(size_t(i)); }
    // How many fruit lie on the second plate.
    int fruitMoved() const;

    void fruitDropped(int i, QPoint centre);
    void doneClick();
    void lineClick(int line);

protected:
    void drawQuestion(RandomGenerator &random, int level) override;
    void showAnswer() override;

private:
    void arrangePlates();

    HalfQuestion m_question;
    std::array<Draggable *, MostFruit> m_fruit{};
    QList<bool> m_onEmptyPlate;
};

extern THalfForm *HalfForm;

} // namespace abacolo
