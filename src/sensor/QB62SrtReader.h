#pragma once

#include <QByteArray>
#include <QString>

class SensorTrack;

// The subtitle file extracted from a QB62-family MP4 recording: numbered, timed entries whose
// text is one sensor record, or an acceleration record and a position record joined by ";". The
// timings are not used here (the subtitle track uses them); the records go through the same
// batching as every other reader.
class QB62SrtReader
{
public:
    static int readFile(const QString &path, SensorTrack &track);
    static int read(const QByteArray &bytes, SensorTrack &track);
};
