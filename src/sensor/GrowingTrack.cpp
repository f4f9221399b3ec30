#include "GrowingTrack.h"

#include <algorithm>

GrowingTrack::GrowingTrack(int capacity) : m_capacity(std::clamp(capacity, 0, kMaxSamples))
{
}

int GrowingTrack::capacityFor(qint64 fileBytes)
{
    return int(std::clamp<qint64>(fileBytes, kMinCapacity, kMaxSamples));
}

void GrowingTrack::setSample(int index, qint16 x, qint16 y, qint16 z, float lat, float lng, quint32 speed)
{
    if (index < 0 || index >= m_capacity) {
        return;
    }
    if (index >= m_samples.size()) {
        m_samples.resize(index + 1);
    }
    m_samples[index] = Sample{x, y, z, lat, lng, speed, NmeaTime::kNoTime};
}

void GrowingTrack::setFixTime(int index, qint64 utcMsecs)
{
    if (index >= 0 && index < m_samples.size()) {
        m_samples[index].fixTime = utcMsecs;
    }
}

void GrowingTrack::setClipDataCount(quint32 count)
{
    if (qsizetype(count) < m_samples.size()) {
        m_samples.resize(qsizetype(count));
    }
}

void GrowingTrack::clear()
{
    m_samples.clear();
    m_gpsDataCount = 0;
}
