// The probe that decides whether a recording plays as it is: chunk and box sizes that lie, super
// indexes and chunk tables that point anywhere, must never make it read out of bounds or hang, and
// a file it calls playable has a video stream.
#include "recording/DirectPlayProbe.h"

#include <QBuffer>
#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const DirectPlayProbe::Result result = DirectPlayProbe::probe(buffer);
    if ((result.playable && (result.videoStreams <= 0 || !result.why.isEmpty())) ||
        (!result.playable && result.why.isEmpty()) ||
        (result.playable && result.container == DirectPlayProbe::Container::Unknown)) {
        __builtin_trap();
    }
    return 0;
}
