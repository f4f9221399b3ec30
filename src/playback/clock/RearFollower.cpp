#include "RearFollower.h"

#include <cmath>

RearFollower::Action RearFollower::tick(double front, double rear, double rearLength)
{
    if (!std::isfinite(front) || !std::isfinite(rear)) {
        return Action::None;
    }
    const double lead = rear - front;
    if (m_holding) {
        if (lead > 0.0) {
            return Action::None;
        }
        m_holding = false;
        return Action::Release;
    }
    if (lead > AheadLimit) {
        m_holding = true;
        return Action::Hold;
    }
    const double behindLimit = BehindLimit * m_speed;
    const bool rearEnded = rearLength > 0.0 && rear >= rearLength - behindLimit;
    if (lead < -behindLimit && !rearEnded && (rearLength <= 0.0 || front < rearLength)) {
        return Action::Seek;
    }
    return Action::None;
}
