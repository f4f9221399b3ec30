// The quick reader's AVI route: an index and chunk headers that lie (offsets out of order or past
// the end, sizes that wrap, lists inside lists) must never make it read out of bounds or hang, and
// every span it returns must lie within the file. The same bytes are read again through a device
// that fails from a point the input chooses (a failing card): what is kept lies before it.
#include "SensorFuzzing.h"

#include "sensor/AviSensorChunks.h"
#include "sensor/AviSensorReader.h"
#include "sensor/QB62RecordingReader.h"
#include "support/FailingDevice.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes = fuzzBytes(data, size);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const AviSensorChunks::Result result = AviSensorChunks::locate(buffer);
    qint64 previousEnd = 0;
    for (const AviSensorChunks::Span &span : result.spans) {
        if (span.offset < previousEnd || span.length < 8 || span.offset + span.length > bytes.size()) {
            __builtin_trap();
        }
        previousEnd = span.offset + span.length;
    }
    QByteArray all;
    QByteArray firstPart;
    if (AviSensorChunks::gather(buffer, result.spans, all, firstPart)) {
        QBuffer gathered(&all);
        gathered.open(QIODevice::ReadOnly);
        VexoClipData track;
        checkTrack(track, QB62RecordingReader::read(gathered, track));
    }

    const qint64 failFrom = bytes.isEmpty() ? 0 : qint64(quint8(bytes.back())) * bytes.size() / 256;
    FailingDevice failing(bytes, failFrom);
    const AviSensorChunks::Result cut = AviSensorChunks::locate(failing);
    qint64 stoppedAt = -1;
    if (AviSensorChunks::gather(failing, cut.spans, all, firstPart, &stoppedAt) &&
        (all.size() > failFrom || (stoppedAt >= 0 && stoppedAt < failFrom))) {
        __builtin_trap();
    }
    return 0;
}
