// The camera's settings page hands over hex text; decoding must survive any text at all.
#include "core/LanguageCode.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const QByteArray bytes = LanguageCode::dataFromHexString(text);
    if (bytes.size() != (text.size() + 1) / 2) {
        __builtin_trap();
    }
    return 0;
}
