// The subtitle track: loading any file and looking values up at any play time must not fault, and
// the acceleration it gives stays within ±512.
#include "SensorFuzzing.h"

#include "sensor/SubtitleData.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    SubtitleData subtitles;
    subtitles.loadFromBytes(fuzzBytes(data, size));
    for (const int index : {0, 1, 10, 163, 649, -1, 2147483647, -2147483647 - 1}) {
        qint32 x = 0, y = 0, z = 0;
        if (subtitles.getSensorAt(index, &x, &y, &z) && (qAbs(x) > 512 || qAbs(y) > 512 || qAbs(z) > 512)) {
            __builtin_trap();
        }
        float lat = 0, lng = 0;
        quint32 speed = 0;
        const int result = subtitles.getGpsAt(index, &lat, &lng, &speed);
        if (result < 0 || result > 2) {
            __builtin_trap();
        }
    }
    return 0;
}
