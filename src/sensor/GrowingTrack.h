#pragma once

#include "NmeaTime.h"
#include "SensorTrack.h"

#include <QList>

// A recording's whole track, however long it runs: the samples are kept in a list that grows as a
// reader stores them, up to a capacity taken from the file's size on disk (never from anything
// the file says about itself) and never past kMaxSamples. What the trips and their exports read,
// where the player's 650 samples would cut a recording longer than 65 s short.
class GrowingTrack : public SensorTrack
{
public:
    struct Sample
    {
        qint16 gx = 0;
        qint16 gy = 0;
        qint16 gz = 0;
        // Signed degrees, (0, 0) = no fix.
        float lat = 0.0f;
        float lng = 0.0f;
        quint32 speed = 0;
        // The UTC time of the sample's own fix (milliseconds since 1970), NmeaTime::kNoTime when
        // its record gives none.
        qint64 fixTime = NmeaTime::kNoTime;

        bool hasFix() const { return !(lat == 0.0f && lng == 0.0f); }
        bool operator==(const Sample &) const = default;
    };

    // Four hours at ten samples a second: far beyond any camera's recording, small enough that a
    // file of crafted records cannot make a track of hundreds of megabytes.
    static constexpr int kMaxSamples = 4 * 3600 * 10;
    // Never fewer than the player's track holds.
    static constexpr int kMinCapacity = 650;

    explicit GrowingTrack(int capacity = kMaxSamples);

    // The capacity for a file of FILE_BYTES on disk. Ten samples take at least two records (an
    // acceleration record and the position record that places it) of more than ten bytes each,
    // so a file holds fewer samples than it has bytes.
    static int capacityFor(qint64 fileBytes);

    int capacity() const override { return m_capacity; }
    void setSample(int index, qint16 x, qint16 y, qint16 z, float lat, float lng, quint32 speed) override;
    void setFixTime(int index, qint64 utcMsecs) override;
    void setGpsDataCount(quint32 count) override { m_gpsDataCount = count; }
    // Also drops any sample stored past COUNT.
    void setClipDataCount(quint32 count) override;
    void clear() override;

    const QList<Sample> &samples() const { return m_samples; }
    quint32 gpsDataCount() const { return m_gpsDataCount; }

private:
    int m_capacity;
    QList<Sample> m_samples;
    quint32 m_gpsDataCount = 0;
};
