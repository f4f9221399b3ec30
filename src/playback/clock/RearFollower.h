#pragma once

#include <QtGlobal>

// Keeps the small player on the large player's clock while both play: the large player sets the
// time of everything shown (read-outs, map, slider), so the small one waits for it when it gets
// ahead (a slow card or a slow decoder holds the large one back) and is brought to it when it
// falls behind. Fed with both players' times on each tick; says what to do with the small one.
class RearFollower
{
public:
    // The small player may lead by one frame at most (25 frames a second).
    static constexpr double AheadLimit = 0.04;
    // Further behind than this, it is moved to the large player's time at once.
    static constexpr double BehindLimit = 0.5;

    enum class Action
    {
        None,
        Hold,    // pause the small player
        Release, // play it again
        Seek,    // move it to the large player's time
    };

    // Both players start, stop or jump together: the small one runs freely again.
    void reset() { m_holding = false; }
    // Both play at SPEED times real time: a tick then passes that many times more play, so the
    // lag tolerated before a seek grows with it (at 16 times, half a second is one tick).
    void setSpeed(double speed) { m_speed = speed > 1.0 ? speed : 1.0; }
    // A tick while playing: the large player at FRONT seconds, the small one at REAR of its
    // REARLENGTH (a small movie that has ended is not chased).
    Action tick(double front, double rear, double rearLength);
    bool isHolding() const { return m_holding; }

private:
    bool m_holding = false;
    double m_speed = 1.0;
};
