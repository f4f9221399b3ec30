#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QString>

class CliOutput;
class VexoClipData;

// What the sensor commands share: checking the input path, loading a track the way the player
// does, and writing 32-bit floats so that reading them back as 32-bit floats gives the stored
// value exactly.
class SensorOutput
{
public:
    // The shortest decimal text that reads back as exactly VALUE ("37.390945", "-0", "512").
    static QString floatText(float value);
    // VALUE as a JSON number that reads back as exactly VALUE; null when it is not finite (JSON
    // has no infinities).
    static QJsonValue floatJson(float value);

    // Empty when PATH is a readable file; otherwise what is wrong with it, for the user.
    static QString inputProblem(const QString &path);

    // Loads TRACK from PATH: the KRV family's reader alone when KRV is set, otherwise the reader
    // chosen as for any recording (a path ending in "srt" is a subtitle file).
    static void loadTrack(const QString &path, bool krv, VexoClipData &track);
    // {"gx", "gy", "gz", "lat", "lng", "speed"} of one sample.
    static QJsonObject sampleJson(const VexoClipData &track, int index);
};
