// The quick reader's MP4 route: boxes whose sizes lie, sample tables that are cut short, point past
// the end or add up to more than the file must never make the reader read out of bounds or hang.
#include "SensorFuzzing.h"

#include "sensor/Mp4SubtitleSamples.h"
#include "sensor/QB62SrtReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes = fuzzBytes(data, size);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const Mp4SubtitleSamples::Result result = Mp4SubtitleSamples::read(buffer);
    qint64 total = 0;
    for (const QByteArray &text : result.texts) {
        total += text.size();
    }
    if (total > bytes.size() || (!result.found && !result.texts.isEmpty())) {
        __builtin_trap();
    }
    VexoClipData track;
    checkTrack(track, QB62SrtReader::read(Mp4SubtitleSamples::subtitleFile(result.texts), track));
    return 0;
}
