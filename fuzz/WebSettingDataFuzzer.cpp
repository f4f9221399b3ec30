// What the card hands the settings page (setup.cfg, time.dat) and what the page hands back (the
// get_cfg() text, the bridge's calls) may hold anything; reading them must stay in bounds and keep
// its promises: one byte per two characters, bytes that survive the wire unchanged, a clock
// setting only from a long enough file.
#include "settings/web/WebDashcam.h"
#include "settings/web/WebSettingData.h"
#include "settings/web/WebSettingSession.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString wire = WebSettingData::cfgStringWithData(bytes);
    if (WebSettingData::dataFromHexString(wire) != bytes.toByteArray()) {
        __builtin_trap();
    }
    const QString text = QString::fromUtf8(bytes);
    if (WebSettingData::dataFromHexString(text).size() != (text.size() + 1) / 2) {
        __builtin_trap();
    }
    static_cast<void>(WebSettingData::languageIndex(text));
    if (const auto clock = WebSettingData::clockSettingFromTimeFile(bytes)) {
        if (clock->date.size() != 10 || clock->hour.size() != 2 || clock->minute.size() != 2) {
            __builtin_trap();
        }
    }
    WebSettingSession session(QStringLiteral("/nonexistent-card"), {});
    session.webDashcam()->deliver(text);
    return 0;
}
