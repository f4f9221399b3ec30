// A recording's extracted subtitle file read as sensor records: any text (or non-text) must give
// a count within the track.
#include "SensorFuzzing.h"

#include "sensor/QB62SrtReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    VexoClipData track;
    checkTrack(track, QB62SrtReader::read(fuzzBytes(data, size), track));
    return 0;
}
