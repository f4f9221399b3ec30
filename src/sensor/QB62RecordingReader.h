#pragma once

#include <QIODevice>
#include <QString>

#include <functional>

class SensorTrack;

// The QB62 cameras' AVI recordings: text records ("gsensor", "gsensori", "GPRMC", "GNRMC") as the
// payloads of "02tx"/"03tx" chunks. The codes are found by scanning the raw bytes rather than by
// walking the chunk list, so records are found anywhere, also in a further "RIFF" part of a large
// recording. The file is read once, front to back, in blocks of bounded size (read ahead on a
// helper thread for large files), so a recording of any size is scanned in about a megabyte of
// memory and in little more time than reading it takes.
class QB62RecordingReader
{
public:
    // The most text taken for one record. A record also ends at a NUL and where its chunk's size
    // says the payload ends.
    static constexpr int kMaxRecordBytes = 119;
    // The size of one read from the file: large enough that handing blocks between the threads
    // costs little, small enough that four of them are a few megabytes.
    static constexpr qsizetype kWindowBytes = 1024 * 1024;

    // Asked every few thousand codes from the reading thread; true abandons the scan (no track).
    using CancelCheck = std::function<bool()>;

    static int readFile(const QString &path, SensorTrack &track, const CancelCheck &cancelled = {});
    // DEVICE must be open and report its size; it is read once, sequentially, WINDOW_BYTES at a
    // time (at least kMinWindowBytes). The result does not depend on the window size.
    static int read(QIODevice &device, SensorTrack &track, qsizetype windowBytes = kWindowBytes,
                    const CancelCheck &cancelled = {});
    static constexpr int kCancelCheckPasses = 4096;

    // A window must hold a code, its size bytes and a whole record.
    static constexpr qsizetype kMinWindowBytes = 256;
};
