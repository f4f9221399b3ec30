#include "TrackTimes.h"

#include <QDateTime>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

TrackTimes::TrackTimes(Clock clock, QList<qint64> sampleMsecs, qint64 zeroMsecs, QString note)
    : m_clock(clock), m_sampleMsecs(std::move(sampleMsecs)), m_zeroMsecs(zeroMsecs), m_note(std::move(note))
{
}

qint64 TrackTimes::msecs(int index) const
{
    if (m_clock == Clock::None || index < 0 || index >= m_sampleMsecs.size()) {
        return NmeaTime::kNoTime;
    }
    return m_sampleMsecs.at(index);
}

qint64 TrackTimes::msecsAtPlayTime(double seconds) const
{
    if (m_clock == Clock::None || !std::isfinite(seconds)) {
        return NmeaTime::kNoTime;
    }
    const qint64 played = std::llround(seconds * 1000.0);
    if (m_sampleMsecs.isEmpty()) {
        return m_zeroMsecs == NmeaTime::kNoTime ? NmeaTime::kNoTime : m_zeroMsecs + played;
    }
    const int last = int(m_sampleMsecs.size()) - 1;
    const int index = int(std::clamp(std::floor(seconds * 10.0), 0.0, double(last)));
    const qint64 sample = m_sampleMsecs.at(index);
    return sample == NmeaTime::kNoTime ? NmeaTime::kNoTime : sample + played - qint64(index) * 100;
}

QString TrackTimes::text(qint64 msecs) const
{
    if (m_clock == Clock::None || msecs == NmeaTime::kNoTime) {
        return {};
    }
    const QString text = QDateTime::fromMSecsSinceEpoch(msecs, Qt::UTC).toString(u"yyyy-MM-ddTHH:mm:ss.zzz"_s);
    return m_clock == Clock::Utc ? text + u'Z' : text;
}

QString TrackTimes::clockName() const
{
    switch (m_clock) {
    case Clock::Utc:
        return u"utc"_s;
    case Clock::Local:
        return u"local"_s;
    case Clock::None:
        break;
    }
    return u"none"_s;
}
