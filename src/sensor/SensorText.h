#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringView>

// Text helpers shared by the readers of text records, tail blocks and subtitle files.
class SensorText
{
public:
    // Strict UTF-8: false (and TEXT untouched) when BYTES are not valid UTF-8, so that binary
    // garbage is never taken for a record. A leading byte-order mark is dropped.
    static bool decodeUtf8(QByteArrayView bytes, QString &text);

    // The characters that end a line: line feed, vertical tab, form feed, carriage return, next
    // line (U+0085), and the Unicode line and paragraph separators.
    static bool isNewline(QChar c);
    // TEXT split at every newline character; N newline characters give N + 1 lines.
    static QList<QStringView> splitLines(QStringView text);
    // TEXT with every CR LF pair turned into a single LF, so that subtitle files written with
    // either line end read alike.
    static QString withLfLineEnds(const QString &text);
};
