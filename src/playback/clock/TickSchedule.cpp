#include "TickSchedule.h"

#include <algorithm>

qint64 TickSchedule::dueMs(qint64 tick) const
{
    // Rounded up: a tick never comes before its time.
    return m_startMs + (tick * 1000 + m_rate - 1) / m_rate;
}

int TickSchedule::start(qint64 elapsedMs)
{
    m_startMs = elapsedMs;
    m_tick = 1;
    return int(dueMs(m_tick) - elapsedMs);
}

int TickSchedule::next(qint64 elapsedMs)
{
    ++m_tick;
    while (dueMs(m_tick) <= elapsedMs) {
        ++m_tick; // missed while the loop was busy
    }
    return int(std::max<qint64>(0, dueMs(m_tick) - elapsedMs));
}
