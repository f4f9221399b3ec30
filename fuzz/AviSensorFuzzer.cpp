// The older cameras' AVI text streams, read by both families' readers: chunk sizes that lie, point
// past the end or wrap must never make a reader read out of bounds or hang; a whole track read
// from the same bytes begins with the player's track.
#include "SensorFuzzing.h"

#include "sensor/AviSensorReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes = fuzzBytes(data, size);
    for (const auto family : {AviSensorReader::Family::Standard, AviSensorReader::Family::KRV}) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        VexoClipData track;
        const int count = AviSensorReader::read(buffer, track, family);
        checkTrack(track, count);
        track.setClipDataCount(quint32(count));
        QBuffer again(&bytes);
        again.open(QIODevice::ReadOnly);
        GrowingTrack whole(GrowingTrack::capacityFor(bytes.size()));
        const int wholeCount = AviSensorReader::read(again, whole, family);
        whole.setClipDataCount(quint32(wholeCount));
        checkWholeTrack(track, count, whole, wholeCount);
    }
    return 0;
}
