#include "NmeaTime.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

namespace {
bool allDigits(QStringView text)
{
    for (const QChar c : text) {
        if (c < u'0' || c > u'9') {
            return false;
        }
    }
    return true;
}

int twoDigits(QStringView text, qsizetype at)
{
    return (text[at].unicode() - u'0') * 10 + (text[at + 1].unicode() - u'0');
}

// The milliseconds of a fraction such as ".5" or ".123456"; -1 when it is not "." and digits.
int fractionMsecs(QStringView fraction)
{
    if (fraction.isEmpty()) {
        return 0;
    }
    if (fraction.front() != u'.' || fraction.size() < 2 || !allDigits(fraction.sliced(1))) {
        return -1;
    }
    int msecs = 0;
    for (qsizetype i = 1; i <= 3; ++i) {
        msecs = msecs * 10 + (i < fraction.size() ? fraction[i].unicode() - u'0' : 0);
    }
    return msecs;
}
} // namespace

qint64 NmeaTime::utcMsecs(QStringView time, QStringView date)
{
    if (time.size() < 6 || date.size() != 6 || !allDigits(time.first(6)) || !allDigits(date)) {
        return kNoTime;
    }
    const int msecs = fractionMsecs(time.sliced(6));
    if (msecs < 0) {
        return kNoTime;
    }
    const int year = twoDigits(date, 4);
    const QDate day(year >= 80 ? 1900 + year : 2000 + year, twoDigits(date, 2), twoDigits(date, 0));
    const QTime clock(twoDigits(time, 0), twoDigits(time, 2), twoDigits(time, 4), msecs);
    if (!day.isValid() || !clock.isValid()) {
        return kNoTime;
    }
    return QDateTime(day, clock, Qt::UTC).toMSecsSinceEpoch();
}
