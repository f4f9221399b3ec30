#include "FloatText.h"

#include "core/TextNumbers.h"

#include <QLocale>

#include <charconv>
#include <cmath>

QString FloatText::text(float value)
{
    char digits[64];
    const std::to_chars_result result = std::to_chars(digits, digits + sizeof digits, value);
    return QString::fromLatin1(digits, qsizetype(result.ptr - digits));
}

QJsonValue FloatText::json(float value)
{
    if (!std::isfinite(value)) {
        return QJsonValue(QJsonValue::Null);
    }
    // JSON numbers are written as the shortest text of a double; start from the shortest text of
    // the float, so "37.390945" rather than "37.39094543457031", and keep it only if that text
    // still reads back as the same float.
    const double shortest = text(value).toDouble();
    const QString written = QString::number(shortest, 'g', QLocale::FloatingPointShortest);
    if (TextNumbers::leadingFloat(written) == value) {
        return shortest;
    }
    return double(value);
}
