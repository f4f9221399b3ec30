#pragma once

#include <QIODevice>
#include <QString>

class SensorTrack;

// The oldest cameras append their sensor data to the recording as a text block after the marker
// "ETKVL3": one line per track sample, "unused,lat,lng,speed,x,y,z". The marker is looked for
// only in the last 33006 bytes, and only those bytes are ever read, whatever the recording's size.
class TailBlockReader
{
public:
    static constexpr qint64 kSearchWindowBytes = 33006;
    static constexpr QByteArrayView kMarker{"ETKVL3"};

    static int readFile(const QString &path, SensorTrack &track);
    // DEVICE must be open, random-access and report its size.
    static int read(QIODevice &device, SensorTrack &track);
    // The same on the last bytes of a recording, already in memory.
    static int readTail(QByteArrayView tail, SensorTrack &track);
};
