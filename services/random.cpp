#include "services/random.h"

#include "tables/apperror.h"

namespace abacolo {

void RandomGenerator::seed(qint64 seconds)
{
    m_state = static_cast<quint32>(seconds);
}

int RandomGenerator::below(int n)
{
    if (n <= 0)
        throw AppError(QStringLiteral("随机数范围无效：%1").arg(n));
    // A 32-bit linear congruential step; the high bits are the better ones.
    m_state = m_state * 134775813u + 1u;
    return static_cast<int>((m_state >> 16) % static_cast<quint32>(n));
}

} // namespace abacolo
