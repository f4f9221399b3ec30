#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

// The forms in which the camera's settings page and the card exchange data: the settings bytes as
// upper-case hexadecimal text, the language index inside them, and the clock file SETTING/time.dat.
// Everything here reads bytes from the card or text from the page and trusts neither.
class WebSettingData
{
public:
    // Each byte as two upper-case hexadecimal digits, no separators; empty bytes give "".
    static QString cfgStringWithData(QByteArrayView bytes);

    // The page's hexadecimal text back into bytes, two characters a byte. Each pair is read as
    // strtoul base 16 would: up to the first character that is not a hexadecimal digit, 0 when
    // none is; a lone last character stands alone. So "0A1" gives 0A 01, "G1" gives 00, "1G" 01.
    static QByteArray dataFromHexString(QStringView text);

    // Where the current language sits in the settings bytes: a 32-bit little-endian unsigned
    // integer at byte 428.
    static constexpr int LanguageIndexOffset = 428;
    // The language index held by CFGSTRING (the wire form), or nothing when the text is too short
    // to hold it or its eight digits are not all hexadecimal.
    static std::optional<quint32> languageIndex(QStringView cfgString);

    // The clock setting handed to the camera: "date,hour,minute,00,+0900", the date with its "/"
    // turned into ",".
    struct ClockSetting
    {
        QString date;   // ten characters, such as "2024,05,17"
        QString hour;   // two characters
        QString minute; // two characters
    };
    // The clock setting of a time file's BYTES (UTF-8): characters 0-9, 11-12 and 14-15. Nothing
    // when the text is shorter than 16 characters.
    static std::optional<ClockSetting> clockSettingFromTimeFile(QByteArrayView bytes);
    static constexpr int TimeFileMinimumLength = 16;
    // The time file's text for SETTING.
    static QByteArray timeFileBytes(const ClockSetting &setting);
    // The page's date ("2024/05/17") as the time file keeps it ("2024,05,17").
    static QString dateFromPage(const QString &pageDate);
};
