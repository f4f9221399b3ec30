#pragma once

#include <QDateTime>
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
    // The events kept, in time order.
    QList<Event> events() const;

private:
    double m_threshold;
    QList<Event> m_candidates;
};
