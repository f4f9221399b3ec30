#pragma once

#include <QString>

// Where the named resources that travel with the program live. Every screen asks by the name it
// knows ("default_QF27" of type "cfg", the image "play1"), never by a path of its own.
class AppResources
{
public:
    // The resource called NAME of type TYPE, or an empty string when the program has none.
    static QString pathForResource(const QString &name, const QString &type);
    // The picture called NAME: its SVG when there is one, else its PNG, else an empty string.
    static QString imagePath(const QString &name);
    // The compiled translation table for a language code ("en", "fr", ...); empty when none.
    static QString translationTablePath(const QString &languageCode);
};
