#include "SubtitleEntry.h"

#include "SensorArithmetic.h"
#include "core/TextNumbers.h"

#include <QString>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {
qint32 limited(qint32 value)
{
    return qBound(-512, value, 512);
}
} // namespace

qint32 SubtitleEntry::millisecondsFrom(QStringView minutes, QStringView seconds)
{
    const int wholeMinutes = TextNumbers::leadingInt(minutes);
    QString decimalSeconds = seconds.toString();
    decimalSeconds.replace(u',', u'.');
    const float secondsValue = TextNumbers::leadingFloat(decimalSeconds);
    const float milliseconds = (float(qint64(wholeMinutes) * 60) + secondsValue) * 1000.0f;
    return SensorArithmetic::truncToInt32(double(milliseconds));
}

SubtitleEntry SubtitleEntry::entryWithTime(const QRegularExpressionMatch &match, QStringView line)
{
    Q_UNUSED(line)
    return SubtitleEntry(millisecondsFrom(match.capturedView(1), match.capturedView(2)));
}

void SubtitleEntry::setGx(qint32 value)
{
    m_gx = limited(value);
}

void SubtitleEntry::setGy(qint32 value)
{
    m_gy = limited(value);
}

void SubtitleEntry::setGz(qint32 value)
{
    m_gz = limited(value);
}

void SubtitleEntry::parseSensor(const Fields &fields)
{
    if (fields.size() < 4) {
        return;
    }
    setGx(TextNumbers::leadingInt(fields[1]));
    setGy(TextNumbers::leadingInt(fields[2]));
    setGz(TextNumbers::leadingInt(fields[3]));
}

void SubtitleEntry::parseSensorI(const Fields &fields)
{
    if (fields.size() < 6) {
        return;
    }
    const int divisor = TextNumbers::leadingInt(fields[1]);
    if (divisor == 0) {
        return;
    }
    // 64-bit so that the lowest value over -1 cannot overflow.
    const qint64 quotient = qint64(TextNumbers::leadingInt(fields[2])) / divisor;
    if (quotient == 0) {
        return;
    }
    const float q = float(quotient);
    const auto axis = [q](QStringView field) {
        const float scaled = std::round(float(TextNumbers::leadingInt(field)) * 128.0f / q);
        return qint32(SensorArithmetic::low16(SensorArithmetic::truncToInt64(double(scaled))));
    };
    setGx(axis(fields[3]));
    setGy(axis(fields[4]));
    setGz(axis(fields[5]));
}

void SubtitleEntry::parseGprmc(const Fields &fields)
{
    if (fields.size() < 3 || fields[2] != u"A" || fields.size() < 8) {
        return;
    }
    m_lat = degree(fields[3], fields[4]);
    m_lng = degree(fields[5], fields[6]);
    const double kmh = std::round(double(TextNumbers::leadingFloat(fields[7])) * 1.852);
    m_speed = SensorArithmetic::low32(SensorArithmetic::truncToInt64(kmh));
}

float SubtitleEntry::degree(QStringView value, QStringView compass)
{
    if (value.size() < 2 || compass.isEmpty()) {
        return 0.0f;
    }
    const float f = TextNumbers::leadingFloat(value);
    const qint32 d = SensorArithmetic::truncToInt32(double(f / 100.0f));
    float result = (f - float(qint64(d) * 100)) / 60.0f + float(d);
    const char16_t hemisphere = compass.front().unicode();
    if (hemisphere != u'E' && hemisphere != u'N') {
        result = -result;
    }
    return result;
}
