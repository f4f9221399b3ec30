#pragma once

#include <QByteArray>
#include <QString>

// Helpers over language codes and hexadecimal text, used to label a camera's languages and to
// decode what the camera's settings page hands over.
class LanguageCode
{
public:
    // The English name of a language code ("iw" → "Hebrew", "zh-Hant-HK" → its long name), or
    // the code itself when it is not in the table.
    static QString languageTitleByExpandingCode(const QString &code);

    // The bytes spelt by pairs of hexadecimal digits. An odd last character forms a byte alone; a
    // character that is not a hex digit ends the parse of its pair.
    static QByteArray dataFromHexString(const QString &hex);

    // How many codes the name table knows.
    static int knownCodeCount();
};
