#include "RecordingSamples.h"

#include "sensor/VexoClipData.h"

RecordingSamples RecordingSamples::fromTrack(const VexoClipData &track)
{
    RecordingSamples result;
    const int count = int(track.clipDataCount());
    result.samples.reserve(count);
    for (int i = 0; i < count; ++i) {
        int x = 0;
        int y = 0;
        int z = 0;
        Sample sample;
        track.getClipDataWithIndex(i, &x, &y, &z, &sample.lat, &sample.lng, &sample.speed);
        sample.gx = qint16(x);
        sample.gy = qint16(y);
        sample.gz = qint16(z);
        sample.fixTime = track.getFixTime(i);
        result.samples.append(sample);
    }
    result.gpsCount = track.gpsDataCount();
    return result;
}
