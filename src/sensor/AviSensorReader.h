#pragma once

#include <QIODevice>
#include <QString>

#include <functional>

class SensorTrack;

// The older cameras' AVI recordings: sensor records in the text-stream chunks "02tx" and "03tx"
// ("M" acceleration bytes, "T" a second without position, "$GPRMC"/"G$GPRMC" NMEA sentences).
// The chunk list is walked in file order, entering every "LIST" and skipping every other chunk
// with a seek, so only the small text chunks are ever read and memory stays bounded whatever the
// recording's size. A further top-level "RIFF" part is skipped whole. The walk ends at a header of
// eight zero bytes, which no chunk has: what follows is the zero-filled tail of a preallocated or
// interrupted recording, and walking it eight bytes at a time would take minutes. Headers are read
// through a window of the file, so even a file of tiny chunks costs about a buffered read of it.
class AviSensorReader
{
public:
    enum class Family
    {
        // Acceleration byte b gives 128 - b; "T" closes a second without position.
        Standard,
        // The KRV cameras: (b - 128) x 10, only from records whose bytes 4 to 6 are each 1; no "T".
        KRV
    };

    // The most a text chunk's data is read; a sentence longer than this without a NUL in it is
    // not one a camera writes and is ignored.
    static constexpr qint64 kMaxTextChunkBytes = 64 * 1024;
    // How many acceleration records may wait for the next position sentence.
    static constexpr int kPendingLimit = 60;

    // Asked at every chunk of the walk, from the reading thread; true abandons it (the result is
    // then 0, no track).
    using CancelCheck = std::function<bool()>;

    static int readFile(const QString &path, SensorTrack &track, Family family, const CancelCheck &cancelled = {});
    // DEVICE must be open; it is read front to back and must be able to seek forward.
    static int read(QIODevice &device, SensorTrack &track, Family family, const CancelCheck &cancelled = {});
    // Eight zero bytes where a chunk header should be: no chunk, the start of a zero-filled tail.
    static bool isZeroHeader(QByteArrayView header);
};
