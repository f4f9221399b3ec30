#include "WebSettingData.h"

#include "core/LanguageCode.h"

using namespace Qt::StringLiterals;

namespace {
int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') {
        return u - u'0';
    }
    if (u >= u'a' && u <= u'f') {
        return u - u'a' + 10;
    }
    if (u >= u'A' && u <= u'F') {
        return u - u'A' + 10;
    }
    return -1;
}
} // namespace

QString WebSettingData::cfgStringWithData(QByteArrayView bytes)
{
    return QString::fromLatin1(bytes.toByteArray().toHex().toUpper());
}

QByteArray WebSettingData::dataFromHexString(QStringView text)
{
    // The one hexadecimal reader of the program, shared with the language list.
    return LanguageCode::dataFromHexString(text.toString());
}

std::optional<quint32> WebSettingData::languageIndex(QStringView cfgString)
{
    const qsizetype first = qsizetype(LanguageIndexOffset) * 2;
    if (cfgString.size() < first + 8) {
        return std::nullopt;
    }
    // Little-endian: the last byte's digits come first.
    quint32 index = 0;
    for (const qsizetype position : {first + 6, first + 4, first + 2, first}) {
        for (const QChar c : cfgString.mid(position, 2)) {
            const int digit = hexDigit(c);
            if (digit < 0) {
                return std::nullopt;
            }
            index = index * 16 + quint32(digit);
        }
    }
    return index;
}

std::optional<WebSettingData::ClockSetting> WebSettingData::clockSettingFromTimeFile(QByteArrayView bytes)
{
    const QString text = QString::fromUtf8(bytes);
    if (text.size() < TimeFileMinimumLength) {
        return std::nullopt;
    }
    return ClockSetting{text.mid(0, 10), text.mid(11, 2), text.mid(14, 2)};
}

QByteArray WebSettingData::timeFileBytes(const ClockSetting &setting)
{
    return (setting.date + u',' + setting.hour + u',' + setting.minute + u",00,+0900"_s).toUtf8();
}

QString WebSettingData::dateFromPage(const QString &pageDate)
{
    QString date = pageDate;
    return date.replace(u'/', u',');
}
