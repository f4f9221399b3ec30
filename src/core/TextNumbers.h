#pragma once

#include <QByteArrayView>
#include <QStringView>

// Reads the number a text begins with, the way the cameras' text fields have always been read:
// leading white space (space, tab, line feed, vertical tab, form feed, carriage return) is
// skipped, then an optional "+" or "-" and as many characters as form a decimal number are used;
// whatever follows is ignored. Text without a number gives 0. Integers saturate at the limits of
// their type; floats become ±infinity on overflow and 0 on underflow. Only plain decimal notation
// (digits, one ".", an "e" exponent) is taken: no hexadecimal, "inf" or "nan", so a garbled field
// can never turn into a non-finite coordinate. The byte overloads read ASCII or UTF-8 bytes.
class TextNumbers
{
public:
    static int leadingInt(QStringView text);
    static int leadingInt(QByteArrayView text);
    static qint64 leadingLongLong(QStringView text);
    static qint64 leadingLongLong(QByteArrayView text);
    static float leadingFloat(QStringView text);
    static float leadingFloat(QByteArrayView text);
    static double leadingDouble(QStringView text);
    static double leadingDouble(QByteArrayView text);
};
