#pragma once

#include <QtGlobal>

#include <optional>

// Notices a part of a recording the player skipped: its play time leaping ahead of the time that
// passed while it played forward, as over a stretch of the file that holds no readable pictures.
// Fed on each tick with the play time, a steady clock and the player's seek count, so a jump the
// user or the program asked for is never taken for one.
class PlayGapWatch
{
public:
    // More play time than this beyond the time that passed is a skip, not a late tick.
    static constexpr double Tolerance = 1.5;

    struct Gap
    {
        double from = 0.0;
        double to = 0.0;
    };

    // Play starts or stops: the next tick only sets where play stands.
    void restart() { m_last.reset(); }
    // A tick at play time SECONDS, ELAPSEDMS on a steady clock, playing at RATE, with SEEKS the
    // number of seeks and steps asked of the player so far. The part skipped since the last
    // tick, if any.
    std::optional<Gap> tick(double seconds, qint64 elapsedMs, double rate, quint64 seeks);

private:
    struct Mark
    {
        double seconds;
        qint64 elapsedMs;
        quint64 seeks;
    };
    std::optional<Mark> m_last;
};
