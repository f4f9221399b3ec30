#pragma once

#include <QStringView>

#include <limits>

// The UTC date and time of a position record: the time field "hhmmss" with an optional fraction
// ("081515.00") and the date field "ddmmyy" ("071226"). Two-digit years 80 to 99 are 1980 to 1999
// and 00 to 79 are 2000 to 2079, as satellite receivers count them. Only a record with both fields
// whole and a real date and time has a time: an empty or garbled field gives none, never a
// guessed day.
class NmeaTime
{
public:
    // What a record without a usable date and time gives; no real fix lies at this instant.
    static constexpr qint64 kNoTime = std::numeric_limits<qint64>::min();

    // Milliseconds since 1970-01-01T00:00:00Z, or kNoTime. Fractions finer than a millisecond are
    // cut off.
    static qint64 utcMsecs(QStringView time, QStringView date);
};
