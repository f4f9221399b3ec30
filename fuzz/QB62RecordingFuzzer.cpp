// The QB62 cameras' recordings are scanned in bounded windows: whatever the bytes, the smallest
// window must give exactly the track that a window holding the whole file gives.
#include "SensorFuzzing.h"

#include "sensor/QB62RecordingReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes = fuzzBytes(data, size);
    VexoClipData whole;
    VexoClipData windowed;
    int wholeCount = 0;
    int windowedCount = 0;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
        wholeCount = QB62RecordingReader::read(buffer, whole, qMax<qsizetype>(bytes.size(), 1));
    }
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
        windowedCount = QB62RecordingReader::read(buffer, windowed, QB62RecordingReader::kMinWindowBytes);
    }
    checkTrack(whole, wholeCount);
    // The getters read only within the count the caller sets.
    whole.setClipDataCount(quint32(wholeCount));
    windowed.setClipDataCount(quint32(qMax(windowedCount, 0)));
    if (wholeCount != windowedCount || !sameTrack(whole, windowed, wholeCount)) {
        __builtin_trap();
    }
    return 0;
}
