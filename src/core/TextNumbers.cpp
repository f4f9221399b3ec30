#include "TextNumbers.h"

#include <clocale>
#include <cstdlib>
#include <limits>
#include <locale.h>
#include <string>

namespace {
template <typename Char> bool isSpace(Char c)
{
    return c == Char(' ') || (c >= Char('\t') && c <= Char('\r'));
}

template <typename Char> bool isDigit(Char c)
{
    return c >= Char('0') && c <= Char('9');
}

template <typename Char> qsizetype skipSpace(const Char *text, qsizetype size)
{
    qsizetype i = 0;
    while (i < size && isSpace(text[i])) {
        ++i;
    }
    return i;
}

template <typename Char> qint64 parseInteger(const Char *text, qsizetype size, qint64 min, qint64 max)
{
    qsizetype i = skipSpace(text, size);
    bool negative = false;
    if (i < size && (text[i] == Char('+') || text[i] == Char('-'))) {
        negative = text[i] == Char('-');
        ++i;
    }
    // Accumulate toward the sign so that the most negative value needs no special case.
    qint64 value = 0;
    for (; i < size && isDigit(text[i]); ++i) {
        const int digit = int(text[i] - Char('0'));
        if (negative) {
            if (value < (min + digit) / 10) {
                value = min;
            } else {
                value = value * 10 - digit;
            }
        } else if (value > (max - digit) / 10) {
            value = max;
        } else {
            value = value * 10 + digit;
        }
    }
    return value;
}

// The decimal number at the start of TEXT as plain ASCII ("-12.5e3"), or empty when none.
template <typename Char> std::string numberPrefix(const Char *text, qsizetype size)
{
    qsizetype i = skipSpace(text, size);
    const qsizetype start = i;
    if (i < size && (text[i] == Char('+') || text[i] == Char('-'))) {
        ++i;
    }
    qsizetype digits = 0;
    for (; i < size && isDigit(text[i]); ++i) {
        ++digits;
    }
    if (i < size && text[i] == Char('.')) {
        ++i;
        for (; i < size && isDigit(text[i]); ++i) {
            ++digits;
        }
    }
    if (digits == 0) {
        return {};
    }
    if (i < size && (text[i] == Char('e') || text[i] == Char('E'))) {
        qsizetype j = i + 1;
        if (j < size && (text[j] == Char('+') || text[j] == Char('-'))) {
            ++j;
        }
        if (j < size && isDigit(text[j])) {
            while (j < size && isDigit(text[j])) {
                ++j;
            }
            i = j;
        }
    }
    std::string prefix;
    prefix.reserve(std::size_t(i - start));
    for (qsizetype k = start; k < i; ++k) {
        prefix.push_back(char(text[k]));
    }
    return prefix;
}

// The C library converts correctly rounded and saturates, but follows the process locale; the
// cameras always write "." as the decimal point, so the conversion runs in the C locale.
locale_t cLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return locale;
}

template <typename Char> float parseFloat(const Char *text, qsizetype size)
{
    const std::string prefix = numberPrefix(text, size);
    return prefix.empty() ? 0.0f : strtof_l(prefix.c_str(), nullptr, cLocale());
}

template <typename Char> double parseDouble(const Char *text, qsizetype size)
{
    const std::string prefix = numberPrefix(text, size);
    return prefix.empty() ? 0.0 : strtod_l(prefix.c_str(), nullptr, cLocale());
}

constexpr qint64 kIntMin = std::numeric_limits<int>::min();
constexpr qint64 kIntMax = std::numeric_limits<int>::max();
constexpr qint64 kLongMin = std::numeric_limits<qint64>::min();
constexpr qint64 kLongMax = std::numeric_limits<qint64>::max();
} // namespace

int TextNumbers::leadingInt(QStringView text)
{
    return int(parseInteger(text.utf16(), text.size(), kIntMin, kIntMax));
}

int TextNumbers::leadingInt(QByteArrayView text)
{
    return int(parseInteger(text.data(), text.size(), kIntMin, kIntMax));
}

qint64 TextNumbers::leadingLongLong(QStringView text)
{
    return parseInteger(text.utf16(), text.size(), kLongMin, kLongMax);
}

qint64 TextNumbers::leadingLongLong(QByteArrayView text)
{
    return parseInteger(text.data(), text.size(), kLongMin, kLongMax);
}

float TextNumbers::leadingFloat(QStringView text)
{
    return parseFloat(text.utf16(), text.size());
}

float TextNumbers::leadingFloat(QByteArrayView text)
{
    return parseFloat(text.data(), text.size());
}

double TextNumbers::leadingDouble(QStringView text)
{
    return parseDouble(text.utf16(), text.size());
}

double TextNumbers::leadingDouble(QByteArrayView text)
{
    return parseDouble(text.data(), text.size());
}
