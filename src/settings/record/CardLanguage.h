#pragma once

#include <QList>
#include <QString>

// One entry of a card's language list: the camera's index for the language and its ISO code.
struct CardLanguage
{
    int index = 0;
    QString code;

    bool operator==(const CardLanguage &other) const = default;
};

using CardLanguageList = QList<CardLanguage>;
