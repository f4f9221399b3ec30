#include "PlayGapWatch.h"

#include <cmath>

std::optional<PlayGapWatch::Gap> PlayGapWatch::tick(double seconds, qint64 elapsedMs, double rate, quint64 seeks)
{
    if (!std::isfinite(seconds) || !std::isfinite(rate) || rate <= 0.0) {
        m_last.reset();
        return std::nullopt;
    }
    const std::optional<Mark> last = m_last;
    m_last = Mark{seconds, elapsedMs, seeks};
    if (!last || last->seeks != seeks) {
        return std::nullopt;
    }
    const double passed = double(elapsedMs - last->elapsedMs) / 1000.0 * rate;
    if (seconds - last->seconds > passed + Tolerance) {
        return Gap{last->seconds, seconds};
    }
    return std::nullopt;
}
