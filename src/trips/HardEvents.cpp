#include "HardEvents.h"

#include <algorithm>
#include <cmath>

double HardEvents::magnitudeG(qint16 x, qint16 y, qint16 z)
{
    return std::sqrt(double(x) * x + double(y) * y + double(z) * z) / 128.0;
}

void HardEvents::addSample(const Event &sample)
{
    if (sample.g > m_threshold) {
        m_candidates.append(sample);
    }
}

QList<HardEvents::Event> HardEvents::events() const
{
    QList<Event> strongest = m_candidates;
    // Strongest first; among equals the earlier one.
    std::stable_sort(strongest.begin(), strongest.end(),
                     [](const Event &a, const Event &b) { return a.g > b.g || (a.g == b.g && a.time < b.time); });
    QList<Event> kept;
    for (const Event &candidate : std::as_const(strongest)) {
        const bool near = std::any_of(kept.cbegin(), kept.cend(), [&](const Event &event) {
            return std::abs(event.time.msecsTo(candidate.time)) < kSpacingSeconds * 1000;
        });
        if (!near) {
            kept.append(candidate);
        }
    }
    std::sort(kept.begin(), kept.end(), [](const Event &a, const Event &b) { return a.time < b.time; });
    return kept;
}
