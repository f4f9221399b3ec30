#include "SensorBatcher.h"

#include "SensorArithmetic.h"
#include "SensorTrack.h"
#include "VexoClipData.h"
#include "core/TextNumbers.h"

#include <algorithm>

SensorBatcher::SensorBatcher(int pendingLimit, int capacity)
    : m_pendingLimit(std::clamp(pendingLimit, 0, kMaxPending)), m_capacity(std::max(capacity, 0))
{
    m_stored.reserve(std::size_t(std::min(m_capacity, VexoClipData::kCapacity)));
}

bool SensorBatcher::appendPending(const Acceleration &sample)
{
    if (m_pendingCount >= m_pendingLimit) {
        return false;
    }
    m_pending[std::size_t(m_pendingCount++)] = sample;
    return true;
}

bool SensorBatcher::repeatLastPending()
{
    if (m_pendingCount == 0) {
        return false;
    }
    return appendPending(m_pending[std::size_t(m_pendingCount - 1)]);
}

bool SensorBatcher::isFull() const
{
    return storedCount() >= m_capacity;
}

void SensorBatcher::store(const Acceleration &sample, const Position &position, int slot)
{
    if (isFull()) {
        return;
    }
    m_stored.push_back(Stored{sample, position, slot});
}

int SensorBatcher::batchSources(int n, std::array<int, 10> &sources)
{
    int count = 0;
    if (n <= 0) {
        return 0;
    }
    if (n <= 10) {
        // Fewer samples than the track needs: each repeats, chosen in single precision.
        const float share = float(n) / 10.0f;
        for (int k = 0; k < 10; ++k) {
            sources[std::size_t(k)] = std::min(n - 1, int(float(k) * share));
        }
        return 10;
    }
    // More samples than the track needs: keep the first of each run that rounds to the same tenth.
    const float step = 10.0f / float(n);
    qint64 previous = -1;
    for (int j = 0; j < n && count < 10; ++j) {
        const qint64 r = SensorArithmetic::truncToInt64(double(float(j) * step) + 0.5);
        if (r != previous) {
            sources[std::size_t(count++)] = j;
            previous = r;
        }
    }
    return count;
}

void SensorBatcher::flushPending(const Position &position)
{
    std::array<int, 10> sources{};
    const int count = batchSources(m_pendingCount, sources);
    for (int k = 0; k < count; ++k) {
        store(m_pending[std::size_t(sources[std::size_t(k)])], position, k);
    }
    m_pendingCount = 0;
}

void SensorBatcher::flushPendingAfterLastPosition()
{
    Position last = m_current;
    last.fixTime = NmeaTime::kNoTime;
    flushPending(last);
}

void SensorBatcher::positionRecord(const Position &position)
{
    m_positionSeen = true;
    m_current = position;
    if (m_pendingCount > 0) {
        flushPending(position);
    }
}

void SensorBatcher::storePendingOneByOne(const Position &position)
{
    for (int i = 0; i < m_pendingCount; ++i) {
        store(m_pending[std::size_t(i)], position, 0);
    }
    m_pendingCount = 0;
}

void SensorBatcher::finishAfterRecords()
{
    if (m_pendingCount == 0) {
        return;
    }
    if (!m_stored.empty()) {
        flushPendingAfterLastPosition();
    } else if (!m_positionSeen) {
        storePendingOneByOne(Position{});
    } else {
        // Acceleration that only came after the one position record: the recording has no
        // usable track.
        m_pendingCount = 0;
    }
}

int SensorBatcher::commit(SensorTrack &track) const
{
    if (m_stored.empty()) {
        track.setGpsDataCount(0);
        return 0;
    }
    quint32 withFix = 0;
    for (int i = 0; i < storedCount(); ++i) {
        const Stored &sample = m_stored[std::size_t(i)];
        float lat = float(sample.position.latMillionths) / 1000000.0f;
        if (sample.position.latHemisphere != u'N') {
            lat = -lat;
        }
        float lng = float(sample.position.lngMillionths) / 1000000.0f;
        if (sample.position.lngHemisphere != u'E') {
            lng = -lng;
        }
        track.setSample(i, sample.acceleration.x, sample.acceleration.y, sample.acceleration.z, lat, lng,
                        sample.position.speedKmh);
        if (sample.position.fixTime != NmeaTime::kNoTime) {
            track.setFixTime(i, sample.position.fixTime + qint64(sample.slot) * 100);
        }
        if (lat != 0.0f || lng != 0.0f) {
            ++withFix;
        }
    }
    track.setGpsDataCount(withFix);
    return storedCount();
}

quint32 SensorBatcher::kmhFromKnots(float knots)
{
    const float kmh = float(double(knots) * 1.852);
    return SensorArithmetic::low32(SensorArithmetic::truncToInt64(double(kmh) + 0.5));
}

SensorBatcher::Position SensorBatcher::positionFromFields(QStringView status, QStringView latitude,
                                                          QStringView latHemisphere, QStringView longitude,
                                                          QStringView lngHemisphere, QStringView knots)
{
    if (status != u"A") {
        return Position{};
    }
    Position position;
    position.latMillionths = VexoClipData::cal_string(latitude);
    position.latHemisphere = latHemisphere.isEmpty() ? u'\0' : latHemisphere.front().unicode();
    position.lngMillionths = VexoClipData::cal_string(longitude);
    position.lngHemisphere = lngHemisphere.isEmpty() ? u'\0' : lngHemisphere.front().unicode();
    position.speedKmh = kmhFromKnots(TextNumbers::leadingFloat(knots));
    return position;
}
