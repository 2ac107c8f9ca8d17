#include "activities/levels.h"

#include <algorithm>

namespace abacolo {

void LevelLadder::right()
{
    m_wrongs = 0;
    if (++m_rights == RightsToClimb)
        step(+1);
}

void LevelLadder::wrong()
{
    m_rights = 0;
    if (++m_wrongs == WrongsToDescend)
        step(-1);
}

void LevelLadder::step(int by)
{
    m_level = std::clamp(m_level + by, 1, m_highest);
    m_rights = 0;
    m_wrongs = 0;
}

} // namespace abacolo
