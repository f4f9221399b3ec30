#include "HardEvents.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace {
// The candidate of moment MS becomes the sample MAKE gives when it is the first of that moment or
// stronger than the one kept; among equals the first one given stays.
template <typename Make>
void keepStrongest(QHash<qint64, HardEvents::Event> &candidates, qint64 ms, double g, const Make &make)
{
    if (const auto at = candidates.find(ms); at == candidates.end()) {
        candidates.insert(ms, make());
    } else if (g > at->g) {
        *at = make();
    }
}
} // namespace

double HardEvents::magnitudeG(qint16 x, qint16 y, qint16 z)
{
    return std::sqrt(double(x) * x + double(y) * y + double(z) * z) / 128.0;
}

void HardEvents::addSample(const Event &sample)
{
    if (sample.g > m_threshold) {
        keepStrongest(m_candidates, sample.time.toMSecsSinceEpoch(), sample.g, [&] { return sample; });
    }
}

void HardEvents::addSample(qint64 timeMs, double g, qsizetype recording, qsizetype sample)
{
    if (g > m_threshold) {
        keepStrongest(m_candidates, timeMs, g, [&] {
            return Event{QDateTime::fromMSecsSinceEpoch(timeMs, Qt::UTC), g, recording, sample};
        });
    }
}

QList<HardEvents::Event> HardEvents::events() const
{
    struct Candidate
    {
        qint64 ms;
        double g;
        const Event *event;
    };
    QList<Candidate> strongest;
    strongest.reserve(m_candidates.size());
    for (auto it = m_candidates.cbegin(); it != m_candidates.cend(); ++it) {
        strongest.append({it.key(), it->g, &*it});
    }
    // Strongest first; among equals the earlier one (no two share a moment).
    std::sort(strongest.begin(), strongest.end(),
              [](const Candidate &a, const Candidate &b) { return a.g > b.g || (a.g == b.g && a.ms < b.ms); });
    // The times kept so far, ordered: whether one lies within the spacing of a candidate is a look
    // at its two neighbours, not a pass over every event kept.
    constexpr qint64 spacingMs = kSpacingSeconds * 1000;
    std::set<qint64> keptTimes;
    QList<Event> kept;
    for (const Candidate &candidate : std::as_const(strongest)) {
        const auto next = keptTimes.lower_bound(candidate.ms - spacingMs + 1);
        if (next != keptTimes.end() && *next < candidate.ms + spacingMs) {
            continue;
        }
        keptTimes.insert(candidate.ms);
        kept.append(*candidate.event);
    }
    std::stable_sort(kept.begin(), kept.end(), [](const Event &a, const Event &b) { return a.time < b.time; });
    return kept;
}
