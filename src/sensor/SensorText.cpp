#include "SensorText.h"

#include <QStringDecoder>

using namespace Qt::StringLiterals;

bool SensorText::decodeUtf8(QByteArrayView bytes, QString &text)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString decoded = decoder.decode(bytes);
    if (decoder.hasError()) {
        return false;
    }
    text = std::move(decoded);
    return true;
}

bool SensorText::isNewline(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x0A && u <= 0x0D) || u == 0x85 || u == 0x2028 || u == 0x2029;
}

QList<QStringView> SensorText::splitLines(QStringView text)
{
    QList<QStringView> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isNewline(text[i])) {
            lines.append(text.sliced(start, i - start));
            start = i + 1;
        }
    }
    lines.append(text.sliced(start));
    return lines;
}

QString SensorText::withLfLineEnds(const QString &text)
{
    if (!text.contains(u'\r')) {
        return text;
    }
    QString copy = text;
    copy.replace(u"\r\n"_s, u"\n"_s);
    return copy;
}
