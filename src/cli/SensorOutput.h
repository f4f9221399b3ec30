#pragma once

#include "sensor/QuickTrackReader.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QString>

class CliOutput;
class SensorTrack;
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
    // Empty when the recording at PATH was read (whole, or up to where the card failed, which
    // RESULT's note says); otherwise why it cannot be read, for an exit as unreadable input.
    static QString readProblem(const QString &path, const QuickTrackReader::Result &result);
    // The same for a track loaded by loadTrack: one without samples is read again by the quick
    // reader (or, for a subtitle file, read whole), to tell an empty track from a file that cannot
    // be read.
    static QString loadProblem(const QString &path, bool krv, const VexoClipData &track);
    // The quick reader on the recording at PATH: an MP4's subtitle samples, else the AVI route.
    static QuickTrackReader::Result readQuick(const QString &path, bool krv, SensorTrack &track);
    // {"gx", "gy", "gz", "lat", "lng", "speed"} of one sample.
    static QJsonObject sampleJson(const VexoClipData &track, int index);
};
