#pragma once

#include "activities/activityform.h"
#include "activities/bargraphsrules.h"

namespace abacolo {

class BarGraphView;
class StageButton;

// The bar-graphs activity "统计图": a scene of mixed pictures beside an empty bar graph. The
// child counts each kind into its column a cell a click; then picks the kind there is most of,
// then the kind there is fewest of, from the graph. A column does not take a cell past its
// count: it shakes, and that click is a wrong answer.
class TBarGraphsForm : public ActivityForm
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TBarGraphsForm)

public:
    enum class Step { Building, Most, Fewest };

    explicit TBarGraphsForm(Services &services);

    const BarGraphsQuestion &question() const { return m_question; }
    Step step() const { return m_step; }
    StageButton *scene;
    BarGraphView *graph;

    void raiseColumn(int column);
    void lowerColumn(int column);
    void pickColumn(int column);

protected:
    void drawQuestion(RandomGenerator &random, int level) override;
    void showAnswer() override;
    void moveOn() override;

private:
    void askFor(Step step);
    bool built() const;
    QString kindName(int column) const;
    QString questionText() const; // the request with the counts, for the answer log

    BarGraphsQuestion m_question;
    Step m_step = Step::Building;
};

extern TBarGraphsForm *BarGraphsForm;

} // namespace abacolo
