#pragma once

#include "recording/CardTimeZone.h"

#include <QByteArrayView>
#include <QString>

#include <optional>

// The zone of a camera's clock as its card's settings state it: the binary record
// SETTING/setup.cfg (gmt_offset, the UTC offset in minutes; tz_key, the zone's name, used when
// gmt_offset is not a real offset and for the daylight-saving rules; daylight_offset, the
// daylight-saving switch) or, on a card without one, the INI camera's SETTING/blackbox.cfg
// (local_time in hours, summer_time). The files are only read, through RegularFileReader, never
// rewritten. The exports ask here and hand the zone to SampleClock as a value.
class CardClockZone
{
public:
    // The zone the card in ROOT states, or nothing (no settings file, none that names a zone, or
    // settings folders that are links or lie outside the card).
    static std::optional<CardTimeZone> read(const QString &root);
    // The zone of the card RECORDING lies on: CARD_ROOT's, or when empty the card found with
    // cardRootFor.
    static std::optional<CardTimeZone> forRecording(const QString &recording, const QString &cardRoot);
    // From the bytes of a settings record: nothing when it is too short to hold the zone's fields
    // or names no zone of -12:00 to +14:00.
    static std::optional<CardTimeZone> fromRecord(QByteArrayView bytes);
    // From the bytes of blackbox.cfg: nothing without a numeric local_time of -12 to 14 hours.
    static std::optional<CardTimeZone> fromIni(QByteArrayView bytes);
    // The card a recording lies on: its own folder or one of the two above it (the cards keep
    // recordings one folder deep), the first holding the camera's settings; empty when none does.
    static QString cardRootFor(const QString &recording);
};
