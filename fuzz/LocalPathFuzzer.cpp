// File names on a card are any bytes but "/" and NUL: decoding one must give back exactly those
// bytes, and be lossless exactly when they are UTF-8.
#include "core/LocalPath.h"

#include <QStringDecoder>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString path = LocalPath::decode(bytes);
    if (LocalPath::encode(path) != bytes) {
        __builtin_trap();
    }
    // Qt's own decoder, keeping a leading byte order mark and taking a sequence cut short at the end
    // as an error, tells whether the bytes are UTF-8.
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::ConvertInitialBom | QStringDecoder::Flag::Stateless);
    const QString checked = decoder(bytes);
    Q_UNUSED(checked)
    const bool utf8 = !decoder.hasError();
    if (LocalPath::isLossless(path) != utf8) {
        __builtin_trap();
    }
    return 0;
}
