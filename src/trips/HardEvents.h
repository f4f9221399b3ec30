#pragma once

#include <QDateTime>
#include <QHash>
#include <QList>

// The hard jolts of a trip: the samples whose acceleration |g| (the length of the three axes, 128
// counts = 1 g) is above the threshold, strongest first, keeping at most one within any
// kSpacingSeconds: a weaker jolt closer than that to a stronger one is the same event.
class HardEvents
{
public:
    static constexpr double kDefaultThresholdG = 0.4;
    static constexpr qint64 kSpacingSeconds = 10;

    struct Event
    {
        QDateTime time;
        double g = 0;
        // Which recording of the trip, and the sample index within it.
        qsizetype recording = 0;
        qsizetype sample = 0;
    };

    explicit HardEvents(double thresholdG = kDefaultThresholdG) : m_threshold(thresholdG) {}

    static double magnitudeG(qint16 x, qint16 y, qint16 z);

    void addSample(const Event &sample);
    // The same for a sample at TIME_MS (milliseconds since 1970, UTC), its time made only when kept
    // as a candidate.
    void addSample(qint64 timeMs, double g, qsizetype recording, qsizetype sample);
    // The events kept, in time order.
    QList<Event> events() const;

private:
    double m_threshold;
    // The strongest sample above the threshold at each moment (milliseconds since 1970): samples
    // of one moment keep or drop each other, so only the strongest matters, and recordings that
    // overlap (an event recording beside the continuous one, links to one file) add no more.
    QHash<qint64, Event> m_candidates;
};
