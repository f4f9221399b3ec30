#pragma once

#include <QtGlobal>

// Where the sensor readers put a track: the player's fixed block of 650 samples (VexoClipData) or
// a track that grows with the recording (GrowingTrack) for the trips and their exports. A reader
// stores samples from index 0 in order, never past capacity(), sets the fix count as it goes, and
// its caller sets the sample count from the reader's result.
class SensorTrack
{
public:
    virtual ~SensorTrack() = default;

    // The most samples this track takes; readers stop storing there.
    virtual int capacity() const = 0;
    // Stores one sample at INDEX (0 to capacity() - 1; others are ignored), without a fix time.
    virtual void setSample(int index, qint16 x, qint16 y, qint16 z, float lat, float lng, quint32 speed) = 0;
    virtual void setFixTime(int index, qint64 utcMsecs) = 0;
    virtual void setGpsDataCount(quint32 count) = 0;
    virtual void setClipDataCount(quint32 count) = 0;
    // Empties the track.
    virtual void clear() = 0;

protected:
    SensorTrack() = default;
    SensorTrack(const SensorTrack &) = default;
    SensorTrack &operator=(const SensorTrack &) = default;
};
