#pragma once

#include <QByteArray>
#include <QString>

#include <utility>

// The time zone of a camera's clock, as the camera's settings on its card state it (the settings
// libraries read it: CardClockZone). A value: a standard offset, the daylight-saving switch and,
// when the card names one, the zone whose daylight-saving rules apply.
//
// Daylight saving: with the switch on and a rules zone, the clock moves an hour forward only while
// that zone's rules say so; without a rules zone the switch holds the clock one hour ahead of the
// offset.
class CardTimeZone
{
public:
    CardTimeZone(int standardMinutes, bool observesDaylight, QByteArray rulesZone = {})
        : m_standardMinutes(standardMinutes), m_daylight(observesDaylight), m_rulesZone(std::move(rulesZone))
    {
    }

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

private:
    int m_standardMinutes = 0;
    bool m_daylight = false;
    QByteArray m_rulesZone;
};
