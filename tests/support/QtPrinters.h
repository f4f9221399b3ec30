#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <ostream>

// So that a failed EXPECT_EQ on Qt values prints the values, not their bytes.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList &list, std::ostream *os)
{
    *os << '[';
    for (qsizetype i = 0; i < list.size(); ++i) {
        *os << (i ? ", \"" : "\"") << list.at(i).toStdString() << '"';
    }
    *os << ']';
}

inline void PrintTo(const QByteArray &bytes, std::ostream *os)
{
    *os << "bytes(" << bytes.toHex(' ').toStdString() << ')';
}

inline void PrintTo(const QVariant &value, std::ostream *os)
{
    *os << "QVariant(" << value.typeName() << ": " << value.toString().toStdString() << ')';
}
