// The walk that tells a recording cut short: top-level box sizes that lie (zero, one with a large
// size cut off, sizes that wrap) must never make it read out of bounds or hang, and a file it
// calls cut short is never one whose boxes all fit.
#include "export/ConversionCheck.h"

#include <QBuffer>
#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const bool cutShort = ConversionCheck::boxesRunPastTheEnd(buffer);
    if (cutShort && bytes.size() < 8) {
        __builtin_trap();
    }
    return 0;
}
