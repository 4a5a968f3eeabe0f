#include "randomsource.h"

#include <QDateTime>

void ClockRandom::seedFromClock()
{
    // The clock is mixed into the running state, so two seedings within the same millisecond
    // still give different sequences.
    m_generator.seed(quint32(QDateTime::currentMSecsSinceEpoch()) ^ m_generator.generate());
}

float ClockRandom::next()
{
    // 24 random bits fill a float's mantissa exactly, so the result never rounds up to 1.
    return float(m_generator.generate() >> 8) * (1.0f / 16777216.0f);
}

float ScriptedRandom::next()
{
    ++m_drawn;
    if (m_values.empty())
        return 0.0f;
    const float value = m_values[m_next];
    m_next = (m_next + 1) % m_values.size();
    return value;
}
