// A card's settings record or INI file may hold anything. Whatever zone the card is read to state
// lies between UTC-12:00 and UTC+14:00 (an hour more with daylight saving), and converting any
// reading of the camera's clock moves it by no more than that.
#include "settings/zone/CardClockZone.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0) {
        return 0;
    }
    // The first byte picks the file: even a settings record, odd an INI file.
    const QByteArrayView file(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const std::optional<CardTimeZone> zone =
        data[0] % 2 == 0 ? CardClockZone::fromRecord(file) : CardClockZone::fromIni(file);
    if (!zone) {
        return 0;
    }
    if (zone->standardMinutes() < -12 * 60 || zone->standardMinutes() > 14 * 60) {
        __builtin_trap();
    }
    // 2026-12-07T08:15:00 and 2026-07-01T12:00:00 on the camera's clock.
    for (const qint64 reading : {qint64(1796631300000), qint64(1782907200000)}) {
        const qint64 shift = std::llabs(zone->utcMsecs(reading) - reading);
        if (shift > qint64(15) * 3600 * 1000 || zone->offsetText(zone->offsetMinutesAt(reading)).isEmpty()) {
            __builtin_trap();
        }
    }
    return 0;
}
