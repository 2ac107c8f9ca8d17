#pragma once

namespace abacolo {

// The level of an activity: it starts at 1, goes up after five right answers in a row and
// down after three wrong answers in a row, staying within 1 … highest. A step of level starts
// both runs afresh.
class LevelLadder
{
public:
    explicit LevelLadder(int highest) : m_highest(highest) {}

    int level() const { return m_level; }
    int highest() const { return m_highest; }

    void right();
    void wrong();

    static constexpr int RightsToClimb = 5;
    static constexpr int WrongsToDescend = 3;

private:
    void step(int by);

    int m_highest;
    int m_level = 1;
    int m_rights = 0;
    int m_wrongs = 0;
};

// Every third wrong answer of the run shows the answer, whatever came in between.
class WrongAnswerTally
{
public:
    // Counts one wrong answer; true when it is a third one.
    bool showsAnswer()
    {
        if (++m_wrongs < 3)
            return false;
        m_wrongs = 0;
        return true;
    }

private:
    int m_wrongs = 0;
};

} // namespace abacolo
