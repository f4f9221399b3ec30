#pragma once

#include <QtGlobal>

#include <cmath>

// The conversions the sensor formats are defined by. The track's values depend on them to the
// last bit (a time of 16.3 s is 16299 ms, a southern fix is negative), so they live in one place.
// Conversions from floating point never hit undefined behaviour: a value outside the target type,
// or not a number, gives the type's lowest value, which is what the processor's own truncating
// conversion yields.
class SensorArithmetic
{
public:
    static qint64 truncToInt64(double value)
    {
        // 2^63 is exact in double; every double strictly between -2^63 and 2^63 fits, and -2^63
        // itself gives the lowest value either way.
        if (!(value > -9223372036854775808.0 && value < 9223372036854775808.0)) {
            return Q_INT64_C(-9223372036854775807) - 1;
        }
        return qint64(value);
    }

    static qint32 truncToInt32(double value)
    {
        if (!(value > -2147483649.0 && value < 2147483648.0)) {
            return qint32(-2147483647) - 1;
        }
        return qint32(value);
    }

    // The low 16 bits of VALUE, read as signed: how out-of-range acceleration values are stored.
    static qint16 low16(qint64 value) { return qint16(quint16(quint64(value) & 0xFFFFu)); }
    // The low 32 bits of VALUE, unsigned.
    static quint32 low32(qint64 value) { return quint32(quint64(value) & 0xFFFFFFFFu); }

    static qint16 limitCount(qint64 value) { return qint16(qBound(qint64(-512), value, qint64(512))); }
};
