#pragma once

#include "activities/activityform.h"
#include "activities/pathsrules.h"

#include <array>

namespace abacolo {

class StageButton;

// The paths activity "判断路径": a grid of stepping stones with numbers; the child clicks the
// path from the start to the goal in counting order. A wrong stone shakes and the path so far
// stays.
class TPathsForm : public ActivityForm
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TPathsForm)

public:
    explicit TPathsForm(Services &services);

    const PathsQuestion &question() const { return m_question; }
    StageButton *stone(QPoint at) const;
    int stonesReached() const { return m_reached; } // of the path, the start included
    bool isShaking(QPoint at) const;

    void stoneClick(QPoint at);

protected:
    void drawQuestion(RandomGenerator &random, int level) override;
    void showAnswer() override;

private:
    void lightStone(QPoint at);
    void shake(StageButton *stone);

    PathsQuestion m_question;
    int m_reached = 1;
    std::array<StageButton *, PathsQuestion::Columns * PathsQuestion::Rows> m_stones{};
};

extern TPathsForm *PathsForm;

} // namespace abacolo
