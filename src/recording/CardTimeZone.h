#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// The time zone of a camera's clock, as the camera's settings on its card state it: the binary
// record SETTING/setup.cfg (gmt_offset, the UTC offset in minutes; tz_key, the zone's name, used
// when gmt_offset is not a real offset; daylight_offset, the daylight-saving switch) or, on a card
// without one, the INI camera's SETTING/blackbox.cfg (local_time in hours, summer_time). The files
// are only read, through RegularFileReader, never rewritten.
//
// Daylight saving: with the switch on, a zone name that stands for a zone with the same standard
// offset brings that zone's own rules (the clock moves an hour forward only while they say so);
// without such a name the switch is taken to hold the clock one hour ahead of the offset.
class CardTimeZone
{
public:
    // Minutes east of UTC without daylight saving (UTC-08:00 is -480).
    int standardMinutes() const { return m_standardMinutes; }
    bool daylightSaving() const { return m_daylight; }
    // The zone whose daylight-saving rules apply ("America/Los_Angeles"), or empty.
    const QByteArray &rulesZone() const { return m_rulesZone; }

    // The UTC time of a reading of the camera's clock, both in milliseconds since 1970-01-01T00:00
    // (the clock's reading counted as if it were UTC).
    qint64 utcMsecs(qint64 cameraMsecs) const;
    // The offset in minutes the camera's clock had at that reading.
    int offsetMinutesAt(qint64 cameraMsecs) const;
    // "UTC-08:00", "UTC+09:30", "UTC".
    static QString offsetText(int minutes);
    // For the files' notes: "UTC-08:00", or "UTC-08:00 with daylight saving (America/Los_Angeles)".
    QString description() const;

    // The zone the card in ROOT states, or nothing (no settings file, none that names a zone, or
    // settings folders that are links or lie outside the card).
    static std::optional<CardTimeZone> read(const QString &root);
    // From the bytes of a settings record: nothing when it is too short to hold the zone's fields
    // or names no zone of -12:00 to +14:00.
    static std::optional<CardTimeZone> fromRecord(QByteArrayView bytes);
    // From the bytes of blackbox.cfg: nothing without a numeric local_time of -12 to 14 hours.
    static std::optional<CardTimeZone> fromIni(QByteArrayView bytes);

private:
    CardTimeZone(int standardMinutes, bool observesDaylight, QByteArray rulesZone)
        : m_standardMinutes(standardMinutes), m_daylight(observesDaylight), m_rulesZone(std::move(rulesZone))
    {
    }

    int m_standardMinutes = 0;
    bool m_daylight = false;
    QByteArray m_rulesZone;
};
