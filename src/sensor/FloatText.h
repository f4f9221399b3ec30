#pragma once

#include <QJsonValue>
#include <QString>

// Coordinates are 32-bit floats: written as the shortest decimal text that reads back as exactly
// the stored value, so files and documents made from a track say what the camera recorded.
class FloatText
{
public:
    // The shortest decimal text that reads back as exactly VALUE ("37.390945", "-0", "512").
    static QString text(float value);
    // VALUE as a JSON number that reads back as exactly VALUE; null when it is not finite (JSON
    // has no infinities).
    static QJsonValue json(float value);
};
