#include "saver/ExitRule.h"

ExitRule::ExitRule(int startX, int startY)
    : m_startX(startX)
    , m_startY(startY)
{
}

bool ExitRule::endsOnMove(int x, int y)
{
    if (!m_firstMoveSeen) {
        m_firstMoveSeen = true;
        return false;
    }
    const long long dx = x - m_startX;
    const long long dy = y - m_startY;
    return dx * dx + dy * dy > static_cast<long long>(tolerance) * tolerance;
}
