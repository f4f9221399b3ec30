// The quick reader's MP4 route: boxes whose sizes lie, sample tables that are cut short, point past
// the end or add up to more than the file must never make the reader read out of bounds or hang.
// The same bytes are read again through a device that fails from a point the input chooses (a
// failing card): the texts kept are the first of those the whole read gives, and the reader says
// where it stopped, inside the file.
#include "SensorFuzzing.h"

#include "sensor/Mp4SubtitleSamples.h"
#include "sensor/QB62SrtReader.h"
#include "support/FailingDevice.h"

#include <algorithm>

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

    const qint64 failFrom = bytes.isEmpty() ? 0 : qint64(quint8(bytes.back())) * bytes.size() / 256;
    FailingDevice failing(bytes, failFrom);
    const Mp4SubtitleSamples::Result cut = Mp4SubtitleSamples::read(failing);
    // What was read before the failure is what the whole read gives first.
    const bool prefix = cut.texts.size() <= result.texts.size() &&
                        std::equal(cut.texts.cbegin(), cut.texts.cend(), result.texts.cbegin());
    if (cut.stoppedAt >= bytes.size() || (result.found && !prefix)) {
        __builtin_trap();
    }
    return 0;
}
