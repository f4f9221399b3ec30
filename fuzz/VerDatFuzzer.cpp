// A card's SETTING/lang/ver.dat may hold anything; the language list read from it must stay sane:
// indexes count up from 0 within a line and no code holds white space.
#include "settings/record/CardRecognition.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView text(reinterpret_cast<const char *>(data), qsizetype(size));
    const CardLanguageList languages = CardRecognition::languagesFromVerDat(text);
    int expected = 0;
    for (const CardLanguage &language : languages) {
        if (language.index != 0 && language.index != expected) {
            __builtin_trap();
        }
        expected = language.index + 1;
        for (QChar c : language.code) {
            if (c.isSpace()) {
                __builtin_trap();
            }
        }
    }
    return 0;
}
