#include "QB62Records.h"

#include "SensorArithmetic.h"
#include "core/TextNumbers.h"

#include <cmath>

namespace {
bool isPositionTag(QStringView tag)
{
    return tag == u"GPRMC" || tag == u"GNRMC";
}

qint16 scaledAxis(int value, float quotient)
{
    // value x 128 in the cameras' 32-bit arithmetic (wrapping), divided in single precision,
    // rounded half up in double precision and truncated toward zero (-2.7 becomes -2).
    const auto times128 = qint32(quint32(value) * 128u);
    const float scaled = float(times128) / quotient;
    return SensorArithmetic::limitCount(SensorArithmetic::truncToInt64(std::trunc(double(scaled) + 0.5)));
}
} // namespace

int QB62Records::thirdFieldValue(QStringView field)
{
    if (field.size() < 4) {
        return TextNumbers::leadingInt(field);
    }
    qsizetype leading = 0;
    while (leading < field.size() && (field[leading].unicode() == u'-' ||
                                      (field[leading].unicode() >= u'0' && field[leading].unicode() <= u'9'))) {
        ++leading;
    }
    return TextNumbers::leadingInt(field.first(leading <= 2 ? leading + 1 : 3));
}

bool QB62Records::rawSample(const Fields &fields, SensorBatcher::Acceleration &sample)
{
    if (fields.size() < 4) {
        return false;
    }
    sample = {SensorArithmetic::low16(TextNumbers::leadingInt(fields[1])),
              SensorArithmetic::low16(TextNumbers::leadingInt(fields[2])),
              SensorArithmetic::low16(thirdFieldValue(fields[3]))};
    return true;
}

bool QB62Records::scaledSample(const Fields &fields, SensorBatcher::Acceleration &sample)
{
    if (fields.size() < 6) {
        return false;
    }
    const int divisor = TextNumbers::leadingInt(fields[1]);
    if (divisor == 0) {
        return false;
    }
    // 64-bit so that the lowest value over -1 cannot overflow.
    const qint64 quotient = qint64(TextNumbers::leadingInt(fields[2])) / divisor;
    if (quotient == 0) {
        sample = {};
        return true;
    }
    const float q = float(quotient);
    sample = {scaledAxis(TextNumbers::leadingInt(fields[3]), q), scaledAxis(TextNumbers::leadingInt(fields[4]), q),
              scaledAxis(thirdFieldValue(fields[5]), q)};
    return true;
}

bool QB62Records::position(const Fields &fields, qsizetype first, SensorBatcher::Position &position)
{
    const qsizetype count = fields.size() - first;
    if (count < 6) {
        return false;
    }
    const QStringView status = fields[first + 2];
    if (status == u"A") {
        if (count < 8) {
            return false;
        }
        position = SensorBatcher::positionFromFields(status, fields[first + 3], fields[first + 4], fields[first + 5],
                                                     fields[first + 6], fields[first + 7]);
        // The UTC time is field 1 and the date field 9, after the course.
        position.fixTime = NmeaTime::utcMsecs(fields[first + 1], fields.value(first + 9));
    } else {
        position = SensorBatcher::Position{};
    }
    return true;
}

void QB62Records::positionRecord(const Fields &fields, qsizetype first)
{
    SensorBatcher::Position fix;
    if (position(fields, first, fix)) {
        m_batcher.positionRecord(fix);
    }
}

void QB62Records::recordingRecord(const Fields &fields)
{
    const QStringView tag = fields.value(0);
    SensorBatcher::Acceleration sample;
    if (tag == u"gsensor") {
        if (rawSample(fields, sample)) {
            m_batcher.appendPending(sample);
        }
    } else if (tag == u"gsensori") {
        if (scaledSample(fields, sample)) {
            m_batcher.appendPending(sample);
        }
    } else if (isPositionTag(tag)) {
        positionRecord(fields, 0);
    }
}

void QB62Records::subtitleEntry(const Fields &fields)
{
    const QStringView tag = fields.value(0);
    SensorBatcher::Acceleration sample;
    if (tag == u"gsensor") {
        if (rawSample(fields, sample)) {
            m_batcher.appendPending(sample);
        }
    } else if (tag == u"gsensori") {
        if (scaledSample(fields, sample)) {
            m_batcher.appendPending(sample);
        }
        // A position record joined to the entry's acceleration record closes the batch at once, so
        // that this entry's sample is the last of its second.
        const qsizetype needed = fields.value(8) == u"A" ? 14 : 13;
        if (fields.size() >= needed && isPositionTag(fields[6])) {
            positionRecord(fields, 6);
        }
    } else if (tag == u"CAR") {
        if (!m_batcher.repeatLastPending() && m_batcher.pendingCount() == 0 && rawSample(fields, sample)) {
            m_batcher.appendPending(sample);
        }
    } else if (isPositionTag(tag)) {
        positionRecord(fields, 0);
    }
}
