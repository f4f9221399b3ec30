// The older cameras' AVI text streams, read by both families' readers: chunk sizes that lie, point
// past the end or wrap must never make a reader read out of bounds or hang.
#include "SensorFuzzing.h"

#include "sensor/AviSensorReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes = fuzzBytes(data, size);
    for (const auto family : {AviSensorReader::Family::Standard, AviSensorReader::Family::KRV}) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        VexoClipData track;
        checkTrack(track, AviSensorReader::read(buffer, track, family));
    }
    return 0;
}
