#pragma once

#include <QtGlobal>

// When the next tick of a timer that runs RATE times a second is due. Qt's timers count whole
// milliseconds, so a fixed interval cannot be 1/33 s (30 ms runs 33.3 times a second, 31 ms 32.3
// times): each tick is instead due at its own multiple of 1/RATE s from the start, so the waits
// come out as 30 and 31 ms in turn and a second holds RATE ticks. A late tick does not push the
// ones after it back; ticks missed altogether are skipped, not caught up in a burst.
class TickSchedule
{
public:
    explicit TickSchedule(int rate) : m_rate(rate) {}

    // Starts counting at ELAPSEDMS; the wait until the first tick.
    int start(qint64 elapsedMs);
    // A tick ran at ELAPSEDMS; the wait until the next one.
    int next(qint64 elapsedMs);

private:
    qint64 dueMs(qint64 tick) const;

    int m_rate;
    qint64 m_startMs = 0;
    qint64 m_tick = 0;
};
