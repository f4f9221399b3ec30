// The AVI chunk walk shared by the sensor locator and the playback probe: top-level sizes, header
// lists, super indexes and standard index heads that lie must never make it read out of bounds or
// hang, and whatever it hands on lies inside what held it.
#include "core/AviChunks.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

namespace {
void checkSuperIndex(QByteArrayView indx, const QByteArray &bytes)
{
    const AviChunks::SuperIndex index = AviChunks::superIndex(indx);
    if (index.entries.size() > qsizetype(index.declared) ||
        24 + index.entries.size() * 16 > qMax<qsizetype>(indx.size(), 24) ||
        (index.complete && index.entries.size() != qsizetype(index.declared))) {
        __builtin_trap();
    }
    const AviChunks::IndexChunkSet set = AviChunks::distinctChunks(index.entries);
    for (const AviChunks::IndexChunk &chunk : set.chunks) {
        if (!AviChunks::isInsideFile(chunk, bytes.size())) {
            continue;
        }
        const QByteArray head = bytes.mid(qsizetype(chunk.offset), AviChunks::kStandardIndexHeaderBytes);
        const auto standard = AviChunks::standardIndex(head, chunk.size, bytes.size());
        if (standard && (qint64(standard->count) * 8 + 32 > qint64(chunk.size) || standard->base > bytes.size() ||
                         standard->code.size() != 4)) {
            __builtin_trap();
        }
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    int reads = 0;
    const AviChunks::TopLevel top = AviChunks::topLevel(
        [&](qint64 at, qint64 count) {
            ++reads;
            return at < 0 || at > bytes.size() ? QByteArray() : bytes.mid(qsizetype(at), qsizetype(count));
        },
        bytes.size());
    if (reads > AviChunks::kMaxTopLevel * 2 || top.headerList.size() > AviChunks::kMaxHeaderBytes ||
        top.moviEnd > bytes.size() || top.index > bytes.size()) {
        __builtin_trap();
    }
    for (const AviChunks::Stream &stream : AviChunks::streams(top.headerList)) {
        if (stream.indx) {
            checkSuperIndex(*stream.indx, bytes);
        }
    }
    // The bytes themselves as a header list and as a super index.
    AviChunks::streams(bytes);
    checkSuperIndex(bytes, bytes);
    return 0;
}
