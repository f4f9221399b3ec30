#include "CardTimeZone.h"

#include <QDateTime>
#include <QTimeZone>

#include <cstdlib>

using namespace Qt::StringLiterals;

qint64 CardTimeZone::utcMsecs(qint64 cameraMsecs) const
{
    return cameraMsecs - qint64(offsetMinutesAt(cameraMsecs)) * 60 * 1000;
}

int CardTimeZone::offsetMinutesAt(qint64 cameraMsecs) const
{
    if (!m_daylight) {
        return m_standardMinutes;
    }
    if (m_rulesZone.isEmpty()) {
        return m_standardMinutes + 60;
    }
    const QTimeZone zone(m_rulesZone);
    const QDateTime reading = QDateTime::fromMSecsSinceEpoch(cameraMsecs, Qt::UTC);
    const QDateTime local(reading.date(), reading.time(), zone);
    return local.isValid() ? local.offsetFromUtc() / 60 : m_standardMinutes;
}

QString CardTimeZone::offsetText(int minutes)
{
    if (minutes == 0) {
        return u"UTC"_s;
    }
    const int magnitude = std::abs(minutes);
    return u"UTC%1%2:%3"_s.arg(minutes < 0 ? u"-"_s : u"+"_s)
        .arg(magnitude / 60, 2, 10, QLatin1Char('0'))
        .arg(magnitude % 60, 2, 10, QLatin1Char('0'));
}

QString CardTimeZone::description() const
{
    if (!m_daylight) {
        return offsetText(m_standardMinutes);
    }
    if (m_rulesZone.isEmpty()) {
        return offsetText(m_standardMinutes) + u" with daylight saving (one hour ahead)"_s;
    }
    return offsetText(m_standardMinutes) + u" with daylight saving ("_s + QString::fromLatin1(m_rulesZone) + u')';
}
