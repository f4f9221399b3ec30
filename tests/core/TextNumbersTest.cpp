#include "core/TextNumbers.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace {
TEST(TextNumbersTest, IntegersTakeTheLeadingDigitsAfterSpaceAndSign)
{
    EXPECT_EQ(TextNumbers::leadingInt(u"42"_s), 42);
    EXPECT_EQ(TextNumbers::leadingInt(u"  \t\n-17abc"_s), -17);
    EXPECT_EQ(TextNumbers::leadingInt(u"+8,9"_s), 8);
    EXPECT_EQ(TextNumbers::leadingInt(u"12.9"_s), 12);
    EXPECT_EQ(TextNumbers::leadingInt(u"007"_s), 7);
    // No number at the start: 0, never an error.
    for (const QString &text : {u""_s, u"abc"_s, u"-"_s, u"+ 5"_s, u"x12"_s, u"--1"_s, u"\u00a012"_s}) {
        EXPECT_EQ(TextNumbers::leadingInt(text), 0) << text.toStdString();
    }
}

TEST(TextNumbersTest, IntegersSaturateAtTheLimitsOfTheirType)
{
    constexpr int max = std::numeric_limits<int>::max();
    constexpr int min = std::numeric_limits<int>::min();
    EXPECT_EQ(TextNumbers::leadingInt(u"2147483647"_s), max);
    EXPECT_EQ(TextNumbers::leadingInt(u"2147483648"_s), max);
    EXPECT_EQ(TextNumbers::leadingInt(u"-2147483648"_s), min);
    EXPECT_EQ(TextNumbers::leadingInt(u"-2147483649"_s), min);
    EXPECT_EQ(TextNumbers::leadingInt(u"99999999999999999999999999"_s), max);
    EXPECT_EQ(TextNumbers::leadingLongLong(u"9223372036854775807"_s), std::numeric_limits<qint64>::max());
    EXPECT_EQ(TextNumbers::leadingLongLong(u"9223372036854775808"_s), std::numeric_limits<qint64>::max());
    EXPECT_EQ(TextNumbers::leadingLongLong(u"-9223372036854775808"_s), std::numeric_limits<qint64>::min());
    EXPECT_EQ(TextNumbers::leadingLongLong(u"-99999999999999999999"_s), std::numeric_limits<qint64>::min());
    EXPECT_EQ(TextNumbers::leadingLongLong(u"4294967296"_s), Q_INT64_C(4294967296));
}

TEST(TextNumbersTest, FloatsTakeTheLeadingDecimalNumber)
{
    EXPECT_EQ(TextNumbers::leadingFloat(u"37.390945"_s), 37.390945f);
    EXPECT_EQ(TextNumbers::leadingFloat(u" -1.5,2"_s), -1.5f);
    EXPECT_EQ(TextNumbers::leadingFloat(u".5"_s), 0.5f);
    EXPECT_EQ(TextNumbers::leadingFloat(u"5."_s), 5.0f);
    EXPECT_EQ(TextNumbers::leadingFloat(u"1e3x"_s), 1000.0f);
    EXPECT_EQ(TextNumbers::leadingFloat(u"2.5E-1"_s), 0.25f);
    // An "e" without digits after it is not part of the number.
    EXPECT_EQ(TextNumbers::leadingFloat(u"7e"_s), 7.0f);
    EXPECT_EQ(TextNumbers::leadingFloat(u"7e+"_s), 7.0f);
    // Rounded once, from the decimal text, to the nearest float.
    EXPECT_EQ(TextNumbers::leadingFloat(u"0.1"_s), 0.1f);
    EXPECT_EQ(TextNumbers::leadingDouble(u"0.1"_s), 0.1);
    EXPECT_EQ(TextNumbers::leadingFloat(QByteArrayView("4807.038")), 4807.038f);
    for (const QString &text : {u""_s, u"."_s, u"-."_s, u"e5"_s, u"abc"_s, u"inf"_s, u"nan"_s}) {
        EXPECT_EQ(TextNumbers::leadingFloat(text), 0.0f) << text.toStdString();
    }
    // Hexadecimal is not decimal: the "0" is the number.
    EXPECT_EQ(TextNumbers::leadingFloat(u"0x1p3"_s), 0.0f);
}

TEST(TextNumbersTest, FloatsSaturateToInfinityAndUnderflowToZero)
{
    EXPECT_EQ(TextNumbers::leadingFloat(u"1e39"_s), std::numeric_limits<float>::infinity());
    EXPECT_EQ(TextNumbers::leadingFloat(u"-1e39"_s), -std::numeric_limits<float>::infinity());
    EXPECT_EQ(TextNumbers::leadingFloat(u"1e-60"_s), 0.0f);
    EXPECT_EQ(TextNumbers::leadingDouble(u"1e400"_s), std::numeric_limits<double>::infinity());
    // A very long run of digits is still read exactly.
    const QString longZeros = QString(u"0."_s + QString(5000, u'0') + u'1');
    EXPECT_EQ(TextNumbers::leadingFloat(longZeros), 0.0f);
    EXPECT_EQ(TextNumbers::leadingInt(QString(QString(5000, u'0') + u"12"_s)), 12);
}

TEST(TextNumbersTest, BytesAndTextReadAlike)
{
    for (const char *sample : {"  -12.75e1z", "3723.4567", "+0", "-0.0", "123456789012", "1,2"}) {
        const QByteArrayView bytes(sample);
        const QString text = QString::fromLatin1(sample);
        EXPECT_EQ(TextNumbers::leadingInt(bytes), TextNumbers::leadingInt(text)) << sample;
        EXPECT_EQ(TextNumbers::leadingLongLong(bytes), TextNumbers::leadingLongLong(text)) << sample;
        EXPECT_EQ(TextNumbers::leadingFloat(bytes), TextNumbers::leadingFloat(text)) << sample;
        EXPECT_EQ(TextNumbers::leadingDouble(bytes), TextNumbers::leadingDouble(text)) << sample;
    }
    EXPECT_EQ(TextNumbers::leadingInt(QByteArrayView("123456789012")), std::numeric_limits<int>::max());
}
} // namespace
