#pragma once

#include <QList>
#include <QPoint>
#include <QString>

namespace abacolo {

class RandomGenerator;

enum class Heading { Right, Left, Up, Down };
QPoint stepOf(Heading heading);    // one square that way; rows grow downwards
QString headingName(Heading heading); // "右", "左", "上", "下"
QString headingArrow(Heading heading); // "→", "←", "↑", "↓"

// One instruction: walk `steps` squares towards `heading`.
struct Walk
{
    Heading heading = Heading::Right;
    int steps = 1;
};

// A question of the directions activity: a small animal on a grid and one or two spoken
// instructions ("向右走3步，再向上走2步"); the child clicks the square where it ends, or
// presses the arrow buttons the right number of times. The levels: one walk of one to three
// squares; one walk of up to five; a walk across then a walk up or down, one to three each.
struct DirectionsQuestion
{
    static constexpr int Columns = 7;
    static constexpr int Rows = 5;

    QPoint start; // column, row
    QList<Walk> walks;
    QString animal;

    QPoint goal() const;
    QString request() const; // "向右走3步" or "向右走3步，再向上走2步"
    QString clip() const;    // "go_right_3" or "go_right_3_up_2"
    // The arrow presses that walk the instructions, in order.
    QList<Heading> presses() const;
    static bool onGrid(QPoint square);
};

constexpr int DirectionsLevels = 3;
DirectionsQuestion drawDirectionsQuestion(RandomGenerator &random, int level);

// The arrow buttons' walk through a question: each press must be the next of the
// instructions; a wrong press leaves the animal where it stands.
class ArrowWalk
{
public:
    enum class Outcome { Stepped, Arrived, Wrong };

    explicit ArrowWalk(const DirectionsQuestion &question);

    Outcome press(Heading heading);
    QPoint position() const { return m_position; }
    QString pressedArrows() const { return m_pressed; } // the right presses so far, "→→↑"

private:
    QList<Heading> m_expected;
    qsizetype m_done = 0;
    QPoint m_position;
    QString m_pressed;
};

} // namespace abacolo
