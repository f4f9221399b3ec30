// The block at the end of an old camera's recording: any bytes at all must give a count within
// the track and never read outside the file.
#include "SensorFuzzing.h"

#include "sensor/TailBlockReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes = fuzzBytes(data, size);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    VexoClipData track;
    checkTrack(track, TailBlockReader::read(buffer, track));
    return 0;
}
